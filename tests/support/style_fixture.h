#pragma once
// A model on the program's start-up values (no settings file), and a drawing to generate into.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe::test {

Model startupModel();

struct Generated {
    Model m = startupModel();
    Drawing d;
};

}  // namespace brontaxe::test
