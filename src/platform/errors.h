#pragma once
#include <stdexcept>

namespace brontaxe {

// An error that ends a drawing's generation (registry full, arithmetic overflow, an impossible
// fillet). The regeneration catches it, closes the drawing and reports the message.
class GenerationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace brontaxe
