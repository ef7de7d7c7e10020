#pragma once
// One row of a family's table of styles, and what every blank of such a table owes.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe::test {

using StyleCheck = std::function<::testing::AssertionResult(const Model&, const Drawing&)>;

// The generator run on the start-up values after `setUp`, the blank's size, and the property
// that defines the style.
struct StyleCase {
    const char* name;
    void (*generate)(Model&, Drawing&);
    void (*setUp)(Model&);
    double sizeX, sizeY;
    StyleCheck feature;
};

inline void PrintTo(const StyleCase& c, std::ostream* os) {
    *os << c.name;
}

// A `setUp` that keeps the start-up values.
inline void startUpValues(Model&) {}

// Success, or failure saying `what` was expected.
inline ::testing::AssertionResult expect(bool ok, const std::string& what) {
    return ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << what;
}

// Draws the case: its size, its feature, every element counted, the pass closed, the cut
// outline closed (or ending on folds), no line drawn twice; with `clean`, no finding of the
// design-rule check either.
void expectSoundBlank(const StyleCase& c, bool clean);

}  // namespace brontaxe::test
