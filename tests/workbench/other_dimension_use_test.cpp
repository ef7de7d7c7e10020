// The fields of "Autres Dimensions" a style draws from, as its record names them: each field
// stands for its own parameter, and the lists and bridges count for every blank.

#include <gtest/gtest.h>

#include "params/other_dimensions.h"
#include "workbench/other_dimension_use.h"

namespace brontaxe {
namespace {

TEST(OtherDimensionUse, EachFieldFollowsItsOwnParameter) {
    const struct {
        const char* code;
        int field;
        bool used;
    } cases[] = {
        {"0201", 0, true},                        // lgPatte: the glue flap
        {"0201", 5, false},                       // hrabat: its flaps are half the width
        {"0201", 11, false},                      // htenon
        {"0201", kFieldNbMortaise, false},        // nbmortaise
        {"0201", 30, true},                       // EPoign: hand-holes once asked for
        {"0209", 5, true},                        // hrabat
        {"0421", 11, true},                       // htenon
        {"0421", kFieldNbMortaise, true},         // nbmortaise
        {"0421", 18, false},                      // DecPatte
        {"0421", 0, false},                       // lgPatte
        {"0933", kFieldNbCases, true},            // NbCases
        {"0933", 23, true},                       // CroisPar4
        {"0933", 26, true},                       // CroisPar3
        {"0933", 27, false},                      // LPoign
        {"0933", kFieldNbMortaise, false},        // nbmortaise
        {"0201", kFieldCreasesHorizontal, true},  // the lists: every blank
        {"0201", kFieldBridgeWidth + 2, true},    // the bridges: every blank
        {"9999", 11, true},                       // no record: nothing hidden
    };
    for (const auto& c : cases)
        EXPECT_EQ(otherDimensionFieldUsed(c.code, c.field), c.used) << c.code << " " << c.field;
}

}  // namespace
}  // namespace brontaxe
