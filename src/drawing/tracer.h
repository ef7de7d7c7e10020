#pragma once
// The tracer: what a generation draws through beside the control's stamped properties: the registry
// of the elements it made, numbered from 1 in the order they were drawn (a builder remembers the
// number its elements start at and places that range), and the end of the last line, where the next
// line of an outline drawn as a chain starts.

#include <cstdint>
#include <vector>

#include "drawing/element_id.h"

namespace brontaxe {

class Tracer {
  public:
    // A generation that registers more elements than this is refused: no style comes close,
    // and a runaway loop in a builder stops here rather than filling the memory.
    static constexpr int kCapacity = 1000;

    struct ChainEnd {
        float x = 0;
        float y = 0;
    };

    // Forgets every registered element and the chain's end: a new generation.
    void clear();

    // Throws GenerationError (French) when the registry cannot take one more element;
    // emitters call it before drawing, so nothing is drawn that cannot be registered.
    void ensureRoom() const;
    // Registers an element the control just made as number count() + 1.
    ElementId record(ElementId id);

    // Elements registered so far; the next one gets count() + 1.
    int count() const { return static_cast<int>(ids_.size()); }
    // The id of element `number` (1 to count()).
    ElementId id(int number) const;

    ChainEnd chainEnd() const { return chainEnd_; }
    void moveTo(float x, float y) { chainEnd_ = {x, y}; }

  private:
    std::vector<ElementId> ids_;
    ChainEnd chainEnd_;
};

}  // namespace brontaxe
