// The machine passes a builder returns: the entries it sets over what the blank's other parts
// recorded, the body height it adds, and their reversal for a mirrored blank.

#include "builders/machine_passes.h"

#include <gtest/gtest.h>

namespace brontaxe {
namespace {

MachinePassTable counting() {
    MachinePassTable p;
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<float>(i + 1);
    return p;
}

TEST(MachinePasses, SetEntriesReplaceAndHeightsAddUp) {
    MachinePasses p;
    p.set(machine_pass::width(1), 400);
    p.set(machine_pass::lowerFlap(2), 150);
    p.addToBodyHeight(100);
    MachinePassTable table = counting();
    p.writeTo(table);
    MachinePassTable expected = counting();
    expected[1] = 400;
    expected[13] = 150;
    expected[16] = 17 + 100;
    EXPECT_EQ(table, expected);
    EXPECT_EQ(p.entry(1), 400);
    EXPECT_EQ(p.entry(2), std::nullopt);
    EXPECT_EQ(p.entry(16), std::nullopt);
}

// Two halves of a body, then a tray whose height replaces theirs, then one more half: each
// part's passes go on in the order it was drawn.
TEST(MachinePasses, PartsFollowOneAnotherInTheOrderDrawn) {
    MachinePasses upper, lower, tray, last;
    upper.set(machine_pass::upperFlap(1), 150);
    upper.addToBodyHeight(100);
    lower.set(machine_pass::upperFlap(1), 120);
    lower.addToBodyHeight(100);

    MachinePasses body = upper;
    body.then(lower);
    MachinePassTable table = counting();
    body.writeTo(table);
    EXPECT_EQ(table[7], 120);
    EXPECT_EQ(table[16], 17 + 200);
    EXPECT_EQ(body.addedBodyHeight(), 200);

    tray.set(machine_pass::kBodyHeight, 300);
    last.addToBodyHeight(50);
    body.then(tray);
    body.then(last);
    table = counting();
    body.writeTo(table);
    EXPECT_EQ(table[16], 350);
    EXPECT_EQ(body.entry(16), 350);
    EXPECT_EQ(body.addedBodyHeight(), 0);
}

TEST(reverseMachinePasses, SwapsPanelsAndFlapsByHowManyPanelsWereRecorded) {
    MachinePassTable p = counting();
    p[3] = p[4] = 0;  // three panels
    reverseMachinePasses(p);
    EXPECT_EQ(p[0], 3);
    EXPECT_EQ(p[1], 2);
    EXPECT_EQ(p[2], 1);
    EXPECT_EQ(p[6], 9);
    EXPECT_EQ(p[11], 14);

    p = counting();
    p[4] = 0;  // four
    reverseMachinePasses(p);
    EXPECT_EQ(p[0], 4);
    EXPECT_EQ(p[1], 3);
    EXPECT_EQ(p[7], 9);
    EXPECT_EQ(p[12], 14);

    p = counting();  // five
    reverseMachinePasses(p);
    EXPECT_EQ(p[0], 5);
    EXPECT_EQ(p[2], 3);
    EXPECT_EQ(p[6], 11);
    EXPECT_EQ(p[15], 12);
    EXPECT_EQ(p[16], 17);
}

}  // namespace
}  // namespace brontaxe
