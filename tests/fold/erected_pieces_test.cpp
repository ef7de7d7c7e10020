// Every style of the catalogue, folded at two sizes in two grades (folders, trays and fittings
// also flat), erects into the pieces its style declares, no face passing through another: each
// piece's form (the sides it closes) and its inside sizes within two board thicknesses, a lid
// or cap over the piece it covers with the one rule's play.
// A style listed as not folding yet must still fail here at one size at least, so that the
// list stays true.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <sstream>
#include <vector>

#include "fold/collision.h"
#include "fold/erected_pieces.h"
#include "fold/style_folds.h"
#include "styles/lid_play.h"
#include "styles/style_records.h"
#include "support/fold_run.h"
#include "support/style_run.h"

namespace brontaxe::fold {
namespace {

struct Sides {
    bool top, bottom;
    int around;
};

// The sides each form closes, independently of the code that measures them.
Sides sidesOf(PieceForm form) {
    switch (form) {
        case PieceForm::ClosedBox:
            return {true, true, 4};
        case PieceForm::OpenTop:
            return {false, true, 4};
        case PieceForm::Display:
            return {false, true, 3};
        case PieceForm::Flanged:
            return {false, true, 1};
        case PieceForm::Sleeve:
            return {false, false, 4};
        case PieceForm::Tube:
            return {true, true, 2};
        case PieceForm::Channel:
            return {false, true, 2};
        case PieceForm::Flat:
            return {true, true, 0};
        case PieceForm::OctagonalTray:
            return {false, true, 0};
        case PieceForm::OctagonalBand:
            return {false, false, 0};
    }
    return {};
}

struct Box3 {
    double l, w, h;
};

double sizeOf(Size s, const Box3& box) {
    return s == Size::Length ? box.l : s == Size::Width ? box.w : box.h;
}

std::string text(const ErectedPiece& p) {
    std::ostringstream out;
    out << p.length << " x " << p.width << " x " << p.height << ", inside " << p.insideLength
        << " x " << p.insideWidth << " x " << p.insideHeight << " (dessus " << p.top << ", dessous "
        << p.bottom << ", autour " << p.sidesAround << ")";
    return out.str();
}

// How far a lid's play may be off the rule's, in mm: the measure's rounding.
constexpr double kPlayTolerance = 0.5;

// Whether an erected piece is the declared one: its sides, and its sizes within two board
// thicknesses (a flat piece's board aside); a lid's inside the outside of the piece it covers
// and the play of the one rule.
bool matches(const ErectedPiece& p, const PieceShape& d, const Box3& box, double e,
             const ErectedPiece* covered) {
    const Sides sides = sidesOf(d.form);
    if (p.top != sides.top || p.bottom != sides.bottom || p.sidesAround != sides.around)
        return false;
    const bool flat = d.form == PieceForm::Flat;
    // A flat piece's board aside, and a liner's outside that fits the box.
    std::array<double, 3> measured{p.insideLength, p.insideWidth, p.insideHeight};
    if (flat || d.fitsInside)
        measured = {p.length, p.width, p.height};
    if (d.over) {
        // Over the outside of what it covers with the one rule's play, lengthwise and widthwise.
        const double play = lidPlay(static_cast<float>(e));
        return covered && std::fabs(measured[0] - covered->length - play) <= kPlayTolerance &&
               std::fabs(measured[1] - covered->width - play) <= kPlayTolerance;
    }
    std::array<double, 3> wanted{};
    const Size sizes[] = {d.length, d.width, d.height};
    for (std::size_t k = 0; k < 3; ++k)
        wanted[k] = sizes[k] == Size::Own ? measured[k] : sizeOf(sizes[k], box);
    // Which side is the length and which the width the measure cannot tell (it calls the
    // longer the length); a liner, a flat strip or a box closed all round lies any way round.
    const std::size_t sorted =
        d.form == PieceForm::Tube || d.form == PieceForm::ClosedBox || flat ? 3 : 2;
    std::sort(measured.begin(), measured.begin() + static_cast<std::ptrdiff_t>(sorted));
    std::sort(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(sorted));
    for (std::size_t k = 0; k < 3; ++k)
        if (std::fabs(measured[k] - wanted[k]) > 2 * e + 0.5)
            return false;
    return true;
}

// What differs between the erected pieces and the declared ones, or nothing. Pieces are
// matched whatever their order: the larger piece comes first, and which is larger changes
// with the sizes. The pieces that lids go over are matched first.
std::string mismatch(const std::vector<ErectedPiece>& erected,
                     const std::vector<PieceShape>& declared, const Box3& box, double e) {
    std::vector<bool> used(erected.size(), false);
    std::vector<int> matchedBy(declared.size(), 0);
    const ErectedPiece* covered = nullptr;
    for (const bool lids : {false, true})
        for (std::size_t d = 0; d < declared.size(); ++d) {
            if (declared[d].over != lids)
                continue;
            for (std::size_t i = 0; i < erected.size(); ++i) {
                if (used[i] || (matchedBy[d] > 0 && !declared[d].repeated))
                    continue;
                if (!matches(erected[i], declared[d], box, e, covered))
                    continue;
                used[i] = true;
                ++matchedBy[d];
                if (!lids && !covered)
                    covered = &erected[i];
            }
        }
    std::ostringstream out;
    for (std::size_t d = 0; d < declared.size(); ++d)
        if (matchedBy[d] == 0)
            out << "pièce déclarée " << d + 1 << " absente ; ";
    for (std::size_t i = 0; i < erected.size(); ++i)
        if (!used[i])
            out << "pièce " << i + 1 << " " << text(erected[i]) << " de trop ; ";
    return out.str();
}

struct Variant {
    const char* name;
    float l, w, h;
    int grade;
};

constexpr Variant kVariants[] = {
    {"typical, grade 1", 400, 300, 200, 1},
    {"tall and narrow, grade 3", 300, 200, 450, 3},
};
// Folders, trays and fittings are also made flat.
constexpr Variant kFlat = {"flat, grade 1", 300, 200, 80, 1};

std::vector<Variant> variantsOf(const std::string& code) {
    std::vector<Variant> out(std::begin(kVariants), std::end(kVariants));
    if (code.starts_with("04") || code.starts_with("09"))
        out.push_back(kFlat);
    return out;
}

bool inFamilies(const std::string& code) {
    for (const char* family : {"02", "03", "04", "05", "06", "07", "09"})
        if (code.starts_with(family))
            return true;
    return false;
}

TEST(ErectedPieces, EachStyleErectsIntoThePiecesItDeclaresOrSaysWhyNot) {
    int erected = 0;
    for (const std::string& code : test::drawnCatalogueCodes()) {
        if (!inFamilies(code))
            continue;
        const auto declared = declaredPieces(code);
        int wrongVariants = 0;
        for (const Variant& v : variantsOf(code)) {
            SCOPED_TRACE(code + ", " + v.name);
            const test::Folded f = test::drawAndFold(code, v.l, v.w, v.h, v.grade);
            if (!f.refusal.empty())
                continue;
            std::string wrong = declared
                                    ? mismatch(erectedPieces(f.fold, stanceOf(code), {v.l, v.w}),
                                               *declared, {v.l, v.w, v.h}, f.m.EpaisseurCarton)
                                    : "aucune forme déclarée";
            if (!collisions(f.fold, placements(f.fold, 1.0)).empty())
                wrong += "faces passing through one another";
            if (notFoldingYet(code)) {
                wrongVariants += wrong.empty() ? 0 : 1;
                continue;
            }
            EXPECT_TRUE(wrong.empty()) << wrong;
            ++erected;
        }
        if (notFoldingYet(code)) {
            EXPECT_GT(wrongVariants, 0) << code << " is listed as not folding, yet erects as "
                                        << "declared at every size";
        }
    }
    EXPECT_GT(erected, 100);
}

// Folds that set a style apart from one drawn with the same blank or the same builder: where
// its flaps lie shows in the folded piece's outside. 0308's corner flaps glued outside the
// walls widen its base by two boards over 0300's, and 0444's and 0453's over the trays whose
// blank they share (0434, 0450); 0214's rim and 0330's double walls rolled inside leave the
// outside of a plain open case or tray, and 0471's second floor, turned in across the bottom,
// that of 0470's tray.
TEST(ErectedPieces, FlapsLaidOutsideOrInsideShowInTheOutside) {
    struct Case {
        const char* code;
        const char* plain;         // the same piece folded without the style's own folds
        double wider;              // in boards
        bool alongLength = false;  // along the piece, not across
    };
    const Case cases[] = {{"0308", "0300", 2}, {"0214", "0200", 0},
                          {"0330", "0300", 0}, {"0453", "0450", 2, true},
                          {"0444", "0434", 2}, {"0471", "0470", 0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const test::Folded styled = test::drawAndFold(c.code, 400, 300, 200);
        const test::Folded plain = test::drawAndFold(c.plain, 400, 300, 200);
        const ErectedPiece a = erectedPieces(styled.fold, stanceOf(c.code)).back();
        const ErectedPiece b = erectedPieces(plain.fold, stanceOf(c.plain)).back();
        const double wider = c.alongLength ? a.length - b.length : a.width - b.width;
        EXPECT_NEAR(wider, c.wider * styled.m.EpaisseurCarton, 0.5);
    }
}

// A rolled double wall lies inside its outer wall: one board in, two over corner flaps that it
// holds between its layers (0437's and 0459's end walls), never on the outer wall.
TEST(ErectedPieces, RolledWallsLieInsideTheirOuterWalls) {
    struct Case {
        const char* code;
        std::array<int, 3> boardsIn;  // how many lie 0, 1 and 2 boards in
    };
    for (const Case& c :
         {Case{"0437", {0, 0, 2}}, Case{"0459", {0, 2, 2}}, Case{"0472", {0, 2, 2}}})
        for (const Variant& v : kVariants) {
            SCOPED_TRACE(std::string(c.code) + ", " + v.name);
            const test::Folded f = test::drawAndFold(c.code, v.l, v.w, v.h, v.grade);
            const std::vector<RigidMotion> placed = placements(f.fold, 1.0);
            std::array<int, 3> boardsIn{};
            for (int i = 0; i < f.fold.faceCount(); ++i) {
                const FoldLink& link = f.fold.links[static_cast<std::size_t>(i)];
                if (link.angleDeg != 180)
                    continue;
                const RigidMotion& a = placed[static_cast<std::size_t>(i)];
                const RigidMotion& b = placed[static_cast<std::size_t>(link.parent)];
                const double apart = std::fabs(dot(faceNormal(a), a.translation - b.translation));
                ++boardsIn[std::min<std::size_t>(2, std::lround(apart / f.fold.thickness))];
            }
            EXPECT_EQ(boardsIn, c.boardsIn);
        }
}

// A folder's or tray's inside runs between the innermost layers of its base and walls that
// close each side, in mm: a wall rolled double at its inner wall (0427's side walls with the
// ears between their layers, 0445's end walls over the flaps they hold), flaps laid outside
// the walls left out (0402), the floor under the tabs poking through it (0427), the three
// layers of 0455's ends (outer wall, corner flap, inner wall) across its width, and a glued
// tray's short walls with the webs glued inside them under their linings (0717, 0760), and
// 0403's inside between its end buffers, 50 deep each (`hrabat`).
TEST(ErectedPieces, TheInsideRunsBetweenTheInnermostLayersOfBaseAndWalls) {
    struct Case {
        const char* code;
        double outsideLength, length, width, height;
    };
    const Case cases[] = {{"0427", 415, 397, 300, 203},   {"0402", 412, 400, 300, 200},
                          {"0403", 406, 300, 300, 200},   {"0445", 418, 400, 300, 198.5},
                          {"0455", 406, 400, 300, 198.5}, {"0717", 409, 403, 303, 200},
                          {"0760", 409, 403, 303, 203}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const test::Folded f = test::drawAndFold(c.code, 400, 300, 200);
        const ErectedPiece p = erectedPieces(f.fold, stanceOf(c.code), {400, 300}).front();
        EXPECT_NEAR(p.length, c.outsideLength, 0.01);
        EXPECT_NEAR(p.insideLength, c.length, 0.01);
        EXPECT_NEAR(p.insideWidth, c.width, 0.01);
        EXPECT_NEAR(p.insideHeight, c.height, 0.01);
    }
}

}  // namespace
}  // namespace brontaxe::fold
