#include "builders/machine_passes.h"

#include <utility>

namespace brontaxe {

void MachinePasses::set(std::size_t entry, float value) {
    entries_.at(entry) = value;
    if (entry == machine_pass::kBodyHeight)
        addedBodyHeight_ = 0;
}

void MachinePasses::addToBodyHeight(float height) {
    if (auto& set = entries_[machine_pass::kBodyHeight])
        *set += height;
    else
        addedBodyHeight_ += height;
}

void MachinePasses::then(const MachinePasses& later) {
    for (std::size_t i = 0; i < machine_pass::kEntries; ++i)
        if (later.entries_[i])
            set(i, *later.entries_[i]);
    addToBodyHeight(later.addedBodyHeight_);
}

std::optional<float> MachinePasses::entry(std::size_t entry) const {
    return entries_.at(entry);
}

void MachinePasses::writeTo(MachinePassTable& table) const {
    for (std::size_t i = 0; i < machine_pass::kEntries; ++i)
        if (entries_[i])
            table[i] = *entries_[i];
    table[machine_pass::kBodyHeight] += addedBodyHeight_;
}

void reverseMachinePasses(MachinePassTable& p) {
    using namespace machine_pass;
    const std::size_t last = p[width(3)] == 0 && p[width(4)] == 0 ? 2 : p[width(4)] == 0 ? 3 : 4;
    for (std::size_t left = 0, right = last; left < right; ++left, --right) {
        std::swap(p[width(left)], p[width(right)]);
        std::swap(p[upperFlap(left)], p[upperFlap(right)]);
        std::swap(p[lowerFlap(left)], p[lowerFlap(right)]);
    }
}

}  // namespace brontaxe
