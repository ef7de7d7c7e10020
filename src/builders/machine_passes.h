#pragma once
// The machine passes a builder works out from what it draws. A builder sets some entries and
// may add its height to the body's (the two halves of a body add theirs up); every entry it
// leaves alone keeps what the blank's other parts recorded. The style writes them into the
// design once the builder has drawn.

#include <array>
#include <cstddef>
#include <optional>

#include "model/machine_pass_entries.h"

namespace brontaxe {

// The whole table of passes, as the design keeps it.
using MachinePassTable = std::array<float, machine_pass::kEntries>;

// Not to be dropped: passes a style does not record are lost to the machine.
class [[nodiscard]] MachinePasses {
  public:
    void set(std::size_t entry, float value);
    // Adds to the body height, over whatever it holds when the passes are written.
    void addToBodyHeight(float height);
    // These passes, then `later` over them: its entries replace these, its height adds on.
    void then(const MachinePasses& later);

    // The value set for `entry`, if any (a body height added is not set).
    std::optional<float> entry(std::size_t entry) const;
    float addedBodyHeight() const { return addedBodyHeight_; }

    void writeTo(MachinePassTable& table) const;

  private:
    std::array<std::optional<float>, machine_pass::kEntries> entries_{};
    float addedBodyHeight_ = 0;
};

// Turns the recorded passes of panels and flaps round for a mirrored drawing: the columns
// recorded (three, four or five) run the other way, each with its flaps.
void reverseMachinePasses(MachinePassTable& passes);

}  // namespace brontaxe
