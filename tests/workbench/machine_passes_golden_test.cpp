// The machine passes of every drawn code of the catalogue at the window's start-up values, as
// the operator reads them ("Passages-Machine"), compared with tests/golden/machine_passes.txt.
// A code that records passes is drawn again with each option they could follow: the blank
// mirrored, the box in two or four pieces (where the window offers them), a hand-hole in the
// walls (which moves none today) and a double-wall grade. A variant whose passes are those of
// the plain drawing says so in one line. After a reviewed change, scripts/accept-golden.sh
// writes the file again.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "support/golden_file.h"
#include "support/temp_dir.h"
#include "workbench/catalogue.h"
#include "workbench/machine_passes.h"
#include "workbench/pieces.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

// The grade of the shipped tables that is double wall ("EB - double cannelure").
constexpr int kDoubleWallGrade = 4;

// The table as the command line prints it, without its caption; one line when nothing is
// recorded.
std::string passesText(const Workbench& wb) {
    const MachinePassesView view = machinePassesView(wb.model().PassesMachine);
    if (!view.recorded)
        return " no passes\n";
    const std::string text = machinePassesText(view);
    return "\n" + text.substr(text.find('\n') + 1);
}

struct Variant {
    const char* name;
    bool piecesOnly;  // offered only to the styles made in pieces
    std::function<RegenerationReport(Workbench&)> apply;  // from the plain drawing
    std::function<RegenerationReport(Workbench&)> undo;   // back to it
};

const Variant kVariants[] = {
    {"mirrored", false, [](Workbench& wb) { return wb.toggleMirror(); },
     [](Workbench& wb) { return wb.toggleMirror(); }},
    {"two pieces", true, [](Workbench& wb) { return wb.toggleTwoPieceCase(); },
     [](Workbench& wb) { return wb.toggleTwoPieceCase(); }},
    {"four pieces, first panel", true,
     [](Workbench& wb) { return wb.setFourPieceCase(fourPieceVariant(true, false)); },
     [](Workbench& wb) { return wb.setFourPieceCase(0); }},
    {"four pieces, glued both ends", true,
     [](Workbench& wb) { return wb.setFourPieceCase(fourPieceVariant(false, true)); },
     [](Workbench& wb) { return wb.setFourPieceCase(0); }},
    {"hand-hole", false,
     [](Workbench& wb) {
         wb.model().OptionPoign = 1;
         return wb.regenerate();
     },
     [](Workbench& wb) {
         wb.model().OptionPoign = 0;
         return wb.regenerate();
     }},
    {"double wall", false, [](Workbench& wb) { return wb.gradeChosen(kDoubleWallGrade); },
     [](Workbench& wb) { return wb.gradeChosen(1); }},
};

bool madeInPieces(const Workbench& wb) {
    Model probe = wb.model();
    probe.CaisseEn2 = true;
    return !multiPieceRefusal(probe);
}

std::string passesDump() {
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};
    wb.startUp();
    std::ostringstream out;
    for (const Family& family : catalogueFamilies())
        for (std::string_view listed : family.codes) {
            const std::string code(listed);
            if (listed == kTopBottomEntry || !wb.isDrawn(code))
                continue;
            wb.window().codeText = code;
            const RegenerationReport plain = wb.codeBoxLeft();
            out << code << ':';
            if (!plain.drawn) {
                out << " not drawn: " << plain.message << '\n';
                continue;
            }
            const std::string plainText = passesText(wb);
            out << plainText;
            if (!machinePassesView(wb.model().PassesMachine).recorded)
                continue;
            for (const Variant& v : kVariants) {
                if (v.piecesOnly && !madeInPieces(wb))
                    continue;
                out << code << ' ' << v.name << ':';
                const RegenerationReport r = v.apply(wb);
                const std::string text = passesText(wb);
                if (!r.drawn)
                    out << " not drawn: " << r.message << '\n';
                else
                    out << (text == plainText ? " as plain\n" : text);
                static_cast<void>(v.undo(wb));
            }
        }
    return out.str();
}

TEST(GoldenPasses, EveryCatalogueCodeRecordsThePassesOnFile) {
    test::expectGolden(passesDump(), "machine_passes.txt");
}

}  // namespace
}  // namespace brontaxe
