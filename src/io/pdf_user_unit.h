#pragma once
// Pages longer than 200 inches (5.08 m), the largest page common PDF readers open, are written
// smaller by a whole factor and carry that factor as the page's /UserUnit (PDF 1.6), so that a
// reader that knows it measures and prints the blank at true size. Ghostscript does; poppler
// (pdfinfo, pdftoppm) ignores it and shows the reduced page.

#include <optional>
#include <string>
#include <string_view>

namespace brontaxe::io {

inline constexpr double kPdfReaderLimitMm = 200 * 25.4;

// 1 for a page that fits the limit; else the smallest whole factor that brings it under it.
double pdfUserUnit(double longestSideMm);

// The PDF with "/UserUnit <unit>" added to every page dictionary and its cross-reference table
// moved to match. Nullopt when the file has no plain cross-reference table to mend (a
// compressed one), or no page.
std::optional<std::string> withUserUnit(std::string_view pdf, double unit);

}  // namespace brontaxe::io
