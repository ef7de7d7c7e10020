#pragma once
// Sizes of the slide boxes' pieces, and whether the inner piece slides in the outer one.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The sleeves' and slides' allowances (0501 to 0508, 0510): on the four panels from the glue
// flap and on the height.
struct SleeveAllowances {
    std::array<float, 4> panels;  // 1 to 4: the panels from the glue flap on
    float height;                 // 5: the sleeve's height (the inner wrap's length on a slide)
};
SleeveAllowances sleeveAllowances(const Model& m);

// The drawers' and the strip's allowances (0509, 0511, 0512): the contents wrapped round
// their length and height, W + `width` wide; 0 for the sleeve's takes a size that fits.
struct DrawerAllowances {
    float width;                        // 1: the strip's (the drawer's bottom's) width
    float ends;                         // 2: the ends' (the drawer's walls') height
    float length;                       // 5: the bottom's length
    float sleeveHeight;                 // 6: the sleeve's height
    float bottomGap;                    // 10: how far each half bottom stops short of the middle
    std::array<float, 4> sleevePanels;  // 11 to 14: the sleeve's panels, length first
};
DrawerAllowances drawerAllowances(const Model& m);

// A sleeve: four panel widths from the glue flap on, and its height.
struct SleeveSizes {
    std::array<float, 4> p{};
    float h = 0;
};

// The three rings, told apart by the faces of the box they wrap. Each is open at the two faces
// across its length; the glue flap sits on its first panel, the second one first when the glue
// flap goes on the other panel (`pattesurtete`).
enum class Ring {
    Walls,           // 0501: the sides and the ends, panels L and W, as long as the height
    TopBottomSides,  // 0502: top, bottom and sides, panels W and H, as long as the length
    TopBottomEnds,   // 0503: top, bottom and ends, panels L and H, as long as the width
};

// The box's sizes a ring's panels and length take.
enum class Side { Length, Width, Height };
struct RingFrame {
    Side first, second, along;
};
RingFrame ringFrame(Ring r, bool glueOnSecond);

// A ring round L x W x H: its two sides plus allowances 1 to 4, as long as its own side plus
// allowance 5.
SleeveSizes ringSizes(const Model& m, Ring r, bool glueOnSecond);

// A slide box: a ring slid in another one wrapping other faces. The outer ring's panels are
// grown by two board thicknesses so that the inner one passes; both start on their second
// panel when the glue flap goes there, unless the pairing keeps it on the first.
struct SlidePairing {
    Ring outer, inner;
    bool glueMayMove = true;
};
// 0504, 0505, 0507, 0508, 0510; nothing for another code.
std::optional<SlidePairing> slidePairing(std::string_view code);

struct SlidePair {
    SleeveSizes outer;
    SleeveSizes inner;
    RingFrame outerFrame{}, innerFrame{};
};
SlidePair slidePair(const Model& m, const SlidePairing& p);

// The inner ring's length must pass through the outer ring's panels of that side, inside faces
// apart by the panel less one board: the refusal, or nothing when it slides in.
std::optional<std::string> slideFitRefusal(const Model& m, std::string_view code);

// A drawer's sleeve: a 0502 ring round the drawer's width and height, as long as the drawer.
// Allowances 11 to 14 and 6 of no value take sizes that let the drawer slide in.
SleeveSizes drawerSleeve(const Model& m);

// 0509: a creased strip wrapping the contents round their length and height (W + m1 wide;
// half bottom, end, top, end, half bottom), and a sleeve round the length and width sliding
// over it. Allowances 6 and 10 to 14 of no value take defaults that make the sleeve fit.
struct StripAndSleeve {
    std::array<float, 5> segments{};  // across the strip, in folding order
    float stripWidth = 0;
    SleeveSizes sleeve;
    float stripLength() const;
};
StripAndSleeve strip0509(const Model& m);
std::optional<std::string> rule0509(const Model& m);

// A sleeve drawn with its glue flap's crease at x + `lgPatte`, its lower edge at y, with its
// panels, its whole length and its height dimensioned.
void drawDimensionedSleeve(Model& m, Drawing& d, const SleeveSizes& s, float x, float y);

// Dimension spacing for a blank of that size.
float chainSpacing(const Box& box);

// The box of the lines registered from `first` on (one piece of a drawing of several).
Box registeredBox(const Drawing& d, int first);

// A chain of widths along x from x0 at height y; widths of no size are skipped.
void chainAlongX(Drawing& d, float x0, float y, const std::vector<float>& widths);
// A chain of heights along y from y0 at abscissa x.
void chainAlongY(Drawing& d, float x, float y0, const std::vector<float>& heights);

}  // namespace brontaxe
