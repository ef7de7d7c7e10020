#include "drawing/tracer.h"

#include <string>

#include "platform/errors.h"

namespace brontaxe {

void Tracer::clear() {
    ids_.clear();
    chainEnd_ = {};
}

void Tracer::ensureRoom() const {
    if (count() >= kCapacity) {
        throw GenerationError("Dessin trop chargé : plus de " + std::to_string(kCapacity) +
                              " éléments enregistrés");
    }
}

ElementId Tracer::record(ElementId id) {
    ensureRoom();
    ids_.push_back(id);
    return id;
}

ElementId Tracer::id(int number) const {
    return ids_.at(static_cast<std::size_t>(number - 1));
}

}  // namespace brontaxe
