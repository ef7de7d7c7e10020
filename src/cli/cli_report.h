#pragma once
#include <ostream>

#include "workbench/workbench.h"

namespace brontaxe::cli {

// The figures of the last regeneration, with the window's captions.
void printFigures(std::ostream& out, const Workbench& wb);

// Every family with its codes in list order; codes not drawn yet are marked.
void printCatalogue(std::ostream& out);
// The pose counts, the sheet, the imposed rectangle and the waste.
void printImposition(std::ostream& out, const Workbench& wb);

}  // namespace brontaxe::cli
