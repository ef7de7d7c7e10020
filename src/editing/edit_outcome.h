#pragma once
// What an edit of the blank gives back: the blank as edited, or why the edit was refused.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "drawing/element.h"

namespace brontaxe::editing {

// Elements of the blank named by their position in it.
using Selection = std::vector<std::size_t>;

struct EditOutcome {
    std::optional<std::vector<Element>> blank;  // the whole blank after the edit
    std::string refusal;                        // French, when `blank` is empty

    static EditOutcome done(std::vector<Element> edited) { return {std::move(edited), {}}; }
    static EditOutcome refused(std::string why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return blank.has_value(); }
};

}  // namespace brontaxe::editing
