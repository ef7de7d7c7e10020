#include "fold/folder_folds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brontaxe::fold {
namespace {

struct NotFolding {
    std::string_view code;
    std::string_view reason;
};

// Held true by the erected pieces test: each still fails there at one size at least.
constexpr std::string_view kEarsPastEnds =
    "plus haut que large, les rabats d'angle, aussi larges que la hauteur, dépassent des "
    "parois d'about";
constexpr std::string_view kDoubleWalls =
    "parois doubles roulées : leur seconde épaisseur et le fond percé de mortaises ne se "
    "mesurent pas encore";
constexpr std::string_view kRolledOver =
    "les parois doubles se rabattent par-dessus le plateau au lieu de rouler à l'intérieur";

constexpr std::array<NotFolding, 22> kNotFolding{{
    {"0400", kEarsPastEnds},
    {"0401", kEarsPastEnds},
    {"0402", kDoubleWalls},
    {"0403", kEarsPastEnds},
    {"0420", kDoubleWalls},
    {"0421", kDoubleWalls},
    {"0422", kDoubleWalls},
    {"0423", kDoubleWalls},
    {"0426", kDoubleWalls},
    {"0427", kDoubleWalls},
    {"0429", kDoubleWalls},
    {"0433", kEarsPastEnds},
    {"0435", kDoubleWalls},
    {"0436", kEarsPastEnds},
    {"0437", kRolledOver},
    {"0441", kDoubleWalls},
    {"0445", kDoubleWalls},
    {"0446", "plus haut que long, les trous d'aération ouvrent le fond"},
    {"0454", kDoubleWalls},
    {"0459", kRolledOver},
    {"0460",
     "plus haut que large, les rabats d'angle de la paroi avant basse et de la paroi arrière, "
     "aussi larges que la hauteur, dépassent des parois d'about"},
    {"0472", kRolledOver},
}};

// The face `steps` folds up the parent chain from `face`, or -1 past a fixed face.
int ancestor(const FoldedBlank& m, int face, int steps) {
    for (int i = 0; i < steps && face >= 0; ++i)
        face = m.links[static_cast<std::size_t>(face)].parent;
    return face;
}

bool parallel(const Hinge& a, const Hinge& b) {
    const Point u = a.line.b - a.line.a;
    const Point v = b.line.b - b.line.a;
    return std::fabs(u.x * v.y - u.y * v.x) <= 1e-3 * length(u) * length(v);
}

// A flap four parallel folds from the base (outer wall, band, inner wall, flap) would go on
// rolling outwards through the outer wall: it turns back in, flat across the bottom. The
// folds are told from the end of the chain, the flap: whichever face the piece is folded
// about (a tall folder's largest face is a lid flap), its four parents are the roll.
void laySecondFloors(FoldedBlank& m) {
    for (const std::vector<int>& piece : facesOfPieces(m)) {
        for (int f : piece) {
            if (ancestor(m, f, 4) < 0 || !m.children(f).empty())
                continue;
            bool rolled = true;
            for (int k = 1; k < 4 && rolled; ++k)
                rolled = parallel(*m.hingeOf(f), *m.hingeOf(ancestor(m, f, k)));
            if (rolled)
                m.links[static_cast<std::size_t>(f)].angleDeg = -90;
        }
    }
}

}  // namespace

void foldFolder(FoldedBlank& m, std::string_view code) {
    if (code == "0471")
        laySecondFloors(m);
}

std::optional<std::string_view> folderNotFoldingYet(std::string_view code) {
    const auto* it = std::ranges::find(kNotFolding, code, &NotFolding::code);
    if (it == kNotFolding.end())
        return std::nullopt;
    return it->reason;
}

}  // namespace brontaxe::fold
