// Blanks longer than 200 inches: the PDF page is written smaller and carries the factor as its
// user unit; real readers are asked what they make of it.
#include "io/pdf_user_unit.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

#include "io/drawing_files.h"
#include "io/page_layout.h"
#include "platform/process.h"
#include "styles/02/fco200.h"
#include "support/style_fixture.h"
#include "support/temp_dir.h"

namespace brontaxe::io {
namespace {

using platform::runProcess;

// Every in-use entry of the cross-reference table points at "<n> 0 obj", and startxref at
// the table: what a reader checks before it trusts the offsets.
void expectConsistentXref(const std::string& pdf) {
    const std::size_t start = pdf.rfind("startxref");
    ASSERT_NE(start, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(start + 10));
    ASSERT_EQ(pdf.compare(xref, 4, "xref"), 0);
    std::istringstream table(pdf.substr(xref + 4));
    std::size_t first = 0, count = 0;
    table >> first >> count;
    for (std::size_t n = first; n < first + count; ++n) {
        std::string offset, generation, use;
        table >> offset >> generation >> use;
        if (use != "n")
            continue;
        const std::string head = std::to_string(n) + " 0 obj";
        EXPECT_EQ(pdf.compare(std::stoul(offset), head.size(), head), 0) << "object " << n;
    }
}

TEST(PdfUserUnit, TheFactorIsTheSmallestWholeOneUnderTheLimit) {
    EXPECT_EQ(pdfUserUnit(100), 1);
    EXPECT_EQ(pdfUserUnit(kPdfReaderLimitMm), 1);
    EXPECT_EQ(pdfUserUnit(kPdfReaderLimitMm + 1), 2);
    EXPECT_EQ(pdfUserUnit(3 * kPdfReaderLimitMm + 1), 4);
}

TEST(PdfUserUnit, AnythingButAPlainPdfIsLeftAlone) {
    for (const char* text : {"", "%PDF-1.5\n", "/Type /Page startxref 0 %%EOF",
                             "/Type /Pages\nxref\n0 1\ntrailer startxref\n9\n%%EOF"})
        EXPECT_FALSE(withUserUnit(text, 2)) << text;
}

struct LongBlank : ::testing::Test {
    void SetUp() override {
        g.m.Longueur = 2500;  // a 0201 of some 5.7 m
        Fco0201(g.m, g.d);
    }
    test::Generated g;
    test::TempDir dir;
};

TEST_F(LongBlank, PdfPagesPast200InchesCarryTheUserUnitAndReadersOpenThem) {
    const PageLayout page = pageLayoutFor(g.d);
    ASSERT_GT(page.widthMm, kPdfReaderLimitMm);
    const double unit = pdfUserUnit(page.widthMm);
    ASSERT_EQ(unit, 2);
    const auto path = dir / "long.pdf";
    ASSERT_TRUE(SaveDrawing(g.d, path).ok);
    const auto notice = pageSizeNotice(g.d, path);
    ASSERT_TRUE(notice);
    EXPECT_NE(notice->find("écrite à l'échelle 1/2 avec l'unité utilisateur PDF 2"),
              std::string::npos)
        << *notice;
    EXPECT_FALSE(pageSizeNotice(g.d, dir / "long.dxf"));

    const std::string pdf = test::readFile(path);
    EXPECT_EQ(pdf.rfind("%PDF-1.6", 0), 0u);
    EXPECT_NE(pdf.find("/Type /Page /UserUnit 2"), std::string::npos);
    expectConsistentXref(pdf);

    // poppler ignores the unit: it sees the page at half size, within 200 inches.
    const auto info = runProcess({"pdfinfo", path.string()});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_TRUE(info.err.empty()) << info.err;  // no repaired cross-reference table
    const auto at = info.out.find("Page size:");
    ASSERT_NE(at, std::string::npos) << info.out;
    double w = 0;
    std::istringstream(info.out.substr(at + 10)) >> w;
    EXPECT_LE(w, 14400);
    EXPECT_NEAR(w / kPointsPerMm, page.widthMm / unit, 0.05) << info.out;
    // Ghostscript applies it: the ink spans the blank at true size.
    const auto gs =
        runProcess({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=bbox", path.string()});
    EXPECT_EQ(gs.exitCode, 0) << gs.out << gs.err;
    const auto box = gs.err.find("%%HiResBoundingBox:");
    ASSERT_NE(box, std::string::npos) << gs.err;
    double x0 = 0, y0 = 0, x1 = 0;
    std::istringstream(gs.err.substr(box + 19)) >> x0 >> y0 >> x1;
    EXPECT_NEAR((x1 - x0) / kPointsPerMm, page.shown.width(), 1.0) << gs.err;
    const auto text = runProcess({"pdftotext", path.string(), "-"});
    EXPECT_NE(text.out.find("2500"), std::string::npos) << text.out;
}

}  // namespace
}  // namespace brontaxe::io
