#pragma once
// Sizes of the slide boxes' pieces, and whether the inner piece slides in the outer one.

#include <array>
#include <optional>
#include <string>
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

// Length panels L + m1, L + m3 and width panels W + m2, W + m4 (width first when the glue flap
// sits on the width panel), height H + m5.
SleeveSizes sleeve0501(const Model& m);

// The outer sleeve around L x W, every panel grown by two board thicknesses so that the inner
// wrap slides in it, and the inner wrap around L x H, W + m5 long. `glueOnWidth` puts the glue
// flap of both on their short panel (0510 never does).
struct SlidePair {
    SleeveSizes outer;
    SleeveSizes inner;
    bool lengthFirst = true;  // panels 1 and 3 run along the length
};
SlidePair slidePair(const Model& m, bool glueOnWidth);

// The inner wrap's length must pass through the outer sleeve's width panels, inside faces
// apart by the panel less one board: the refusal, or nothing when it slides in.
std::optional<std::string> slideFitRefusal(const Model& m);
std::optional<std::string> slideFitRefusal0510(const Model& m);

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

// Dimension spacing for a blank of that size.
float chainSpacing(const Box& box);

// The box of the lines registered from `first` on (one piece of a drawing of several).
Box registeredBox(const Model& m, const Drawing& d, int first);

// A chain of widths along x from x0 at height y; widths of no size are skipped.
void chainAlongX(Model& m, Drawing& d, float x0, float y, const std::vector<float>& widths);
// A chain of heights along y from y0 at abscissa x.
void chainAlongY(Model& m, Drawing& d, float x, float y0, const std::vector<float>& heights);

}  // namespace brontaxe
