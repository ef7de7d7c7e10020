#pragma once
// Printing a drawing through Qt's print support: fitted to the page, or at true scale (one
// millimetre of board is one millimetre of paper) over as many pages as it takes. The pens are
// the window's pens with their widths and dashes on paper, as the PDF files draw them.

#include <set>

#include "app/views/pen_set.h"
#include "drawing/drawing.h"
#include "io/write_progress.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace brontaxe::app {

// The job title of a design that has no file name yet.
inline constexpr const char* kPrintJobTitle = "paramQMT";

enum class PrintScale { FitToPage, TrueScale };

struct PrintOptions {
    PrintScale scale = PrintScale::FitToPage;
    PenSet pens;
    std::set<LineKind> hiddenKinds;  // line kinds the view hides
    QString title = kPrintJobTitle;  // the job's name: the design's file name
};

// Pages across and down the drawing takes at this scale on pages of `pageMm` (printable area).
struct PageGrid {
    int columns = 1;
    int rows = 1;
    int count() const { return columns * rows; }
};
PageGrid pageGrid(const Box& shown, QSizeF pageMm, PrintScale scale);

// Paints every page of the drawing on an opened painter over a paged device (a QPrinter, or
// a PDF writer), starting new pages as needed, each with only the lines that reach it.
// `progress` hears of every piece painted; when it asks to stop, painting ends there.
// Returns the number of pages begun.
int paintPages(QPainter& painter, QPagedPaintDevice& device, const Drawing& d,
               const PrintOptions& options, const io::WriteProgress& progress = {});

enum class PrintOutcome { Printed, NotOpened, Stopped };

// Whether a print on `printer` can be stopped half-way without anything coming out of it:
// true for the preview and for a PDF file (removed), false for a printer's queue, which
// would print what it was given so far.
bool printCanBeStopped(QPrinter& printer);

// Prints the whole job on `printer` (its own painter), with the job title. A job stopped
// through `progress` leaves no file behind; the preview keeps the pages painted so far.
PrintOutcome printDrawing(QPrinter& printer, const Drawing& d, const PrintOptions& options,
                          const io::WriteProgress& progress = {});

}  // namespace brontaxe::app
