// Folders and trays on the grid of panels, each with its own walls and closure: 0433 (a
// hinged lid carrying end flaps), 0436 and 0437 (open trays whose corner flaps fold inside the
// end walls, held by a rim or by rolled-over double end walls), 0440 and 0459 (double side walls,
// or double walls all round), 0460 (a display tray with a low front and a header on the back wall)
// and 0472 (a double floor folded in from the side walls' inner layers, rolled-over end walls).
//
// Allowances as the grid folders take them: 1 bottom length, 3 bottom width, 5 side walls,
// 6 end walls, 7 added to each half of a floor or lid meeting in the middle, 10 how much
// lower an inner (rolled-over) wall is than its outer wall.

#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_grid.h"
#include "styles/04/fco400_rules.h"

namespace brontaxe {
namespace {

float innerSide(const Model& m, const FolderSizes& s) {
    return s.H5 - gridFolderAllowances(m).innerWallDrop;
}
float innerEnd(const Model& m, const FolderSizes& s) {
    return s.H6 - gridFolderAllowances(m).innerWallDrop;
}

// Inner side walls clear the inner end walls, two boards in over the corner flaps.
float innerSideInset(const Model& m) {
    return 3 * m.EpaisseurCarton;
}

// 0472's floor halves meet between the inner side walls, a board in from the outer ones.
float floorHalf(const Model& m, const FolderSizes& s) {
    return lidHalf(m, s) - m.EpaisseurCarton;
}

// Three columns (end wall, bottom, end wall), creased across the bottom only: every row
// boundary is slit across the end columns, so the cells beside the walls are corner flaps.
FoldGrid threeColumns(const FolderSizes& s) {
    FoldGrid g;
    g.columns = {s.H6, s.L1, s.H6};
    g.creasedAcross = {false, true, false};
    return g;
}

// Five columns: inner end wall, end wall, bottom, end wall, inner end wall.
FoldGrid fiveColumns(const Model& m, const FolderSizes& s) {
    FoldGrid g;
    const float inner = innerEnd(m, s);
    g.columns = {inner, s.H6, s.L1, s.H6, inner};
    g.creasedAcross = {false, false, true, false, false};
    return g;
}

}  // namespace

void Fco0433(Model& m, Drawing& d) {
    // The lid's end flaps close over the end walls; its tuck flap slides inside the front.
    const FolderSizes s = folderSizes(m);
    FoldGrid g = threeColumns(s);
    g.rows = {{s.H5, 0, 2, cornerFlapWidth(s)},
              {s.W3, 0, 2},
              {s.H5, 0, 2, cornerFlapWidth(s)},
              {s.W3 + gridFolderAllowances(m).lidHalves, 0, 2},
              {m.hpatrent, 1, 1}};
    drawGrid(m, d, g);
}

void Fco0436(Model& m, Drawing& d) {
    // A rim `hpatrent` deep on each end wall folds over the corner flaps and holds them.
    const FolderSizes s = folderSizes(m);
    FoldGrid g = fiveColumns(m, s);
    g.columns.front() = g.columns.back() = m.hpatrent;
    g.rows = {{s.H5, 1, 3, cornerFlapWidth(s)}, {s.W3, 0, 4}, {s.H5, 1, 3, cornerFlapWidth(s)}};
    drawGrid(m, d, g);
}

void Fco0437(Model& m, Drawing& d) {
    // The inner end walls roll over and hold the corner flaps between the two layers.
    const FolderSizes s = folderSizes(m);
    FoldGrid g = fiveColumns(m, s);
    g.rows = {{s.H5, 1, 3, cornerFlapWidth(s)}, {s.W3, 0, 4}, {s.H5, 1, 3, cornerFlapWidth(s)}};
    drawGrid(m, d, g);
}

void Fco0459(Model& m, Drawing& d) {
    const FolderSizes s = folderSizes(m);
    FoldGrid g = fiveColumns(m, s);
    const FoldRow inner{
        .height = innerSide(m, s), .firstColumn = 2, .lastColumn = 2, .inset = innerSideInset(m)};
    g.rows = {inner,
              {s.H5, 1, 3, cornerFlapWidth(s)},
              {s.W3, 0, 4},
              {s.H5, 1, 3, cornerFlapWidth(s)},
              inner};
    drawGrid(m, d, g);
}

void Fco0460(Model& m, Drawing& d) {
    // A front of half the wall height shows the contents; the header `hrabat` high stands on
    // the back wall.
    const FolderSizes s = folderSizes(m);
    FoldGrid g = threeColumns(s);
    const float corner = cornerFlapWidth(s);
    g.rows = {
        {roundedHalf(s.H5), 0, 2, corner}, {s.W3, 0, 2}, {s.H5, 0, 2, corner}, {m.hrabat, 1, 1}};
    drawGrid(m, d, g);
}

void Fco0472(Model& m, Drawing& d) {
    // The side walls run on into an inner wall and a floor half each: rolled over inside, the
    // inner walls take the floor halves down onto the bottom; the end walls roll over them and
    // hold them down.
    const FolderSizes s = folderSizes(m);
    FoldGrid g = fiveColumns(m, s);
    // The inner end walls stand on the second floor: a board shorter.
    g.columns.front() = g.columns.back() = innerEnd(m, s) - m.EpaisseurCarton;
    // The floor halves reach under the inner end walls, up to the corner flaps.
    const FoldRow floor{.height = floorHalf(m, s),
                        .firstColumn = 2,
                        .lastColumn = 2,
                        .inset = 2 * m.EpaisseurCarton};
    const FoldRow inner{
        .height = innerSide(m, s), .firstColumn = 2, .lastColumn = 2, .inset = innerSideInset(m)};
    const float corner = cornerFlapWidth(s);
    g.rows = {floor, inner, {s.H5, 1, 3, corner}, {s.W3, 0, 4}, {s.H5, 1, 3, corner}, inner, floor};
    drawGrid(m, d, g);
}

std::vector<FoldPair> folds0472(const Model& m) {
    const FolderSizes s = folderSizes(m);
    // They meet between the inner side walls.
    const float half = floorHalf(m, s);
    return {{"demi-fonds", half, half, s.W3 - 2 * m.EpaisseurCarton, FoldFit::Meet}};
}

}  // namespace brontaxe
