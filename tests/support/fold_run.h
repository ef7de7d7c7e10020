#pragma once
// A style drawn on the shipped tables and folded as the window folds it.

#include <string>

#include "drawing/drawing.h"
#include "fold/style_folds.h"
#include "model/model.h"

namespace brontaxe::test {

struct Folded {
    Model m;
    Drawing d;
    fold::FoldedBlank fold;
    std::string refusal;  // why the style was not drawn
};

Folded drawAndFold(const std::string& code, float l, float w, float h, int grade = 1,
                   void (*adjust)(Model&) = nullptr);

}  // namespace brontaxe::test
