#include "model/board_directions.h"

namespace brontaxe {

std::optional<AlongAxis> alongAxisOf(int stored) {
    switch (stored) {
        case 0:
            return AlongAxis::None;
        case 1:
            return AlongAxis::X;
        case 2:
            return AlongAxis::Y;
        default:
            return std::nullopt;
    }
}

}  // namespace brontaxe
