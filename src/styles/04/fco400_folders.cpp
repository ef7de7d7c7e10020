// 0400 to 0403: one-piece folders on a grid of panels. The bottom, its side walls and the lid
// fold as one along the length; the end walls and the flaps at their sides turn on their own,
// so the row boundaries are slit across the end columns and creased across the bottom.

#include <cstddef>
#include <vector>

#include "builders/alternate_folds.h"
#include "builders/emit.h"
#include "builders/flat_blank_dimensions.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_grid.h"
#include "styles/04/fco400_rules.h"
#include "styles/blank_settings.h"

namespace brontaxe {

GridFolderAllowances gridFolderAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.bottomLength = k[1],
            .bottomWidth = k[3],
            .sideWalls = k[5],
            .endWalls = k[6],
            .lidHalves = k[7],
            .endFlaps = k[8],
            .innerWallDrop = k[10]};
}

FolderSizes folderSizes(const Model& m) {
    const GridFolderAllowances a = gridFolderAllowances(m);
    return {m.Longueur + a.bottomLength, m.Largeur + a.bottomWidth, m.Hauteur + a.sideWalls,
            m.Hauteur + a.endWalls};
}

float cornerFlapWidth(const FolderSizes& s) {
    return s.W3 / 2;
}

float lidHalf(const Model& m, const FolderSizes& s) {
    return roundedHalf(s.W3) + gridFolderAllowances(m).lidHalves;
}

namespace {

// Columns: outer flap, end wall, bottom, end wall, outer flap. Rows: `top`, side wall,
// bottom, side wall, `top`; the top rows over the bottom only, the side walls with dust
// flaps as wide as the end walls, the outer flaps on the end walls only.
FoldGrid crossFolder(const FolderSizes& s, float outer, float top) {
    FoldGrid g;
    g.columns = {outer, s.H6, s.L1, s.H6, outer};
    const float corner = cornerFlapWidth(s);
    g.rows = {{top, 2, 2}, {s.H5, 1, 3, corner}, {s.W3, 0, 4}, {s.H5, 1, 3, corner}, {top, 2, 2}};
    g.creasedAcross = {false, false, true, false, false};
    return g;
}

}  // namespace

FoldGrid withoutEmptyParts(const FoldGrid& g) {
    FoldGrid out;
    std::vector<int> newIndex;
    for (std::size_t c = 0; c < g.columns.size(); ++c) {
        newIndex.push_back(static_cast<int>(out.columns.size()));
        if (g.columns[c] != 0) {
            out.columns.push_back(g.columns[c]);
            out.creasedAcross.push_back(c < g.creasedAcross.size() && g.creasedAcross[c]);
        }
    }
    for (const FoldRow& r : g.rows) {
        if (r.height == 0)
            continue;
        int first = -1, last = -1;
        for (int c = r.firstColumn; c <= r.lastColumn; ++c) {
            if (g.columns[static_cast<std::size_t>(c)] == 0)
                continue;
            if (first < 0)
                first = newIndex[static_cast<std::size_t>(c)];
            last = newIndex[static_cast<std::size_t>(c)];
        }
        if (first >= 0)
            out.rows.push_back({r.height, first, last, r.endCellWidth, r.inset});
    }
    return out;
}

void drawGrid(Model& m, Drawing& d, const FoldGrid& full) {
    const FoldGrid g = withoutEmptyParts(full);
    GenerationPass pass(d);
    recordPasses(m, AlternateFolds(d, g));
    FlatBlankChains chains;
    chains.insideForQor = true;
    chains.across = g.columns;
    for (const FoldRow& r : g.rows)
        chains.up.push_back(r.height);
    FlatBlankDimensions(d, chains, m.Personnalisation.profile());
}

namespace {

// A folder whose lid is one panel hinged on the back wall, with a tuck flap that slides
// inside the front wall.
void drawHingedLidFolder(Model& m, Drawing& d) {
    const FolderSizes s = folderSizes(m);
    FoldGrid g;
    g.columns = {s.H6, s.L1, s.H6};
    g.rows = {{s.H5, 0, 2, cornerFlapWidth(s)},
              {s.W3, 0, 2},
              {s.H5, 0, 2, cornerFlapWidth(s)},
              {s.W3 + gridFolderAllowances(m).lidHalves, 1, 1},
              {m.hpatrent, 1, 1}};
    g.creasedAcross = {false, true, false};
    drawGrid(m, d, g);
}

// End buffers: beyond each end wall a band `hrabat` wide and an inner wall, folded back
// inside so that the ends hold an air cell.
FoldGrid bufferedFolder(const Model& m, const FolderSizes& s) {
    const float inner = s.H6 - gridFolderAllowances(m).innerWallDrop;
    FoldGrid g;
    g.columns = {inner, m.hrabat, s.H6, s.L1, s.H6, m.hrabat, inner};
    const float top = lidHalf(m, s);
    const float corner = cornerFlapWidth(s);
    g.rows = {{top, 3, 3}, {s.H5, 2, 4, corner}, {s.W3, 0, 6}, {s.H5, 2, 4, corner}, {top, 3, 3}};
    g.creasedAcross = {false, false, false, true, false, false, false};
    return g;
}

// Buffers on all four walls and no lid: a tray that holds its contents off every wall.
FoldGrid bufferedTray(const Model& m, const FolderSizes& s) {
    FoldGrid g = bufferedFolder(m, s);
    const float inner = s.H5 - gridFolderAllowances(m).innerWallDrop;
    const float corner = cornerFlapWidth(s);
    g.rows = {{inner, 3, 3},        {m.hrabat, 3, 3}, {s.H5, 2, 4, corner}, {s.W3, 0, 6},
              {s.H5, 2, 4, corner}, {m.hrabat, 3, 3}, {inner, 3, 3}};
    return g;
}

}  // namespace

void Fco0400(Model& m, Drawing& d) {
    const FolderSizes s = folderSizes(m);
    drawGrid(m, d, crossFolder(s, m.hrabat, m.hpatrent));
}

void Fco0401(Model& m, Drawing& d) {
    if (m.Personnalisation == CustomerProfile::Gorvante) {
        drawHingedLidFolder(m, d);
        return;
    }
    const FolderSizes s = folderSizes(m);
    drawGrid(m, d, crossFolder(s, m.hrabat, lidHalf(m, s)));
}

void Fco0402(Model& m, Drawing& d) {
    const FolderSizes s = folderSizes(m);
    drawGrid(m, d,
             crossFolder(s, roundedHalf(s.L1) + gridFolderAllowances(m).endFlaps, lidHalf(m, s)));
}

void Fco0403(Model& m, Drawing& d) {
    const FolderSizes s = folderSizes(m);
    drawGrid(
        m, d,
        m.Personnalisation == CustomerProfile::Voranis ? bufferedTray(m, s) : bufferedFolder(m, s));
}

std::vector<FoldPair> folds0401(const Model& m) {
    if (m.Personnalisation == CustomerProfile::Gorvante)
        return {};
    const FolderSizes s = folderSizes(m);
    const float half = lidHalf(m, s);
    return {{"demi-couvercles", half, half, s.W3, FoldFit::Meet}};
}

std::vector<FoldPair> folds0402(const Model& m) {
    const FolderSizes s = folderSizes(m);
    const float half = lidHalf(m, s);
    const float end = roundedHalf(s.L1) + gridFolderAllowances(m).endFlaps;
    return {{"demi-couvercles", half, half, s.W3, FoldFit::Meet},
            {"rabats d'extrémité", end, end, s.L1, FoldFit::Meet}};
}

std::vector<FoldPair> folds0403(const Model& m) {
    if (m.Personnalisation == CustomerProfile::Voranis)
        return {};
    const FolderSizes s = folderSizes(m);
    const float half = lidHalf(m, s);
    return {{"demi-couvercles", half, half, s.W3, FoldFit::Meet}};
}

}  // namespace brontaxe
