#include <gtest/gtest.h>

#include <stdexcept>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "support/near.h"

namespace brontaxe {
namespace {

void drawLines(Drawing& d, int count) {
    GenerationPass pass(d);
    for (int i = 0; i < count; ++i)
        line(d, 0, static_cast<float>(i), 10, static_cast<float>(i));
}

TEST(Registry, ExactlyAThousandElementsFillItToItsLastIndex) {
    Drawing d;
    drawLines(d, Tracer::kCapacity);
    EXPECT_EQ(d.tracer().count(), 1000);
    EXPECT_EQ(d.tracer().id(1).value, 3);
    EXPECT_EQ(d.tracer().id(1000).value, 1002);
    EXPECT_THROW(d.tracer().id(0), std::out_of_range);
    EXPECT_THROW(d.tracer().id(1001), std::out_of_range);
    EXPECT_FALSE(d.isEditing());
    // A new generation starts an empty registry.
    drawLines(d, 2);
    EXPECT_EQ(d.tracer().count(), 2);
}

TEST(Registry, TheThousandAndFirstElementEndsTheGenerationWithoutBeingDrawn) {
    Drawing d;
    EXPECT_THROW(drawLines(d, Tracer::kCapacity + 1), GenerationError);
    EXPECT_EQ(d.tracer().count(), 1000);
    EXPECT_EQ(d.ElementCount(), 1000);
    EXPECT_FALSE(d.isEditing());  // the pass is closed on the way out
    // Every emitter refuses, not only lines.
    EXPECT_THROW(arc(d, {0, 0}, 1, 0, 90), GenerationError);
    EXPECT_THROW(dimension(d, {.from = {0, 0}, .to = {1, 0}, .at = {0, 0}}), GenerationError);
    EXPECT_THROW(text(d, {0, 0}, "x", 0, 3, 0), GenerationError);
    EXPECT_EQ(d.ElementCount(), 1000);
}

TEST(Emission, ChainsStartWhereThePreviousLineEndedAndFeaturesArePlaced) {
    Drawing d;
    GenerationPass pass(d);
    const int first = beginFeature(d);
    chainStart(d, 0, 0);
    lineTo(d, 10, 0);
    lineTo(d, 10, 5);
    placeFeature(d, first, {.x = 100, .mirrored = true});
    EXPECT_EQ(d.tracer().count(), 2);
    const auto& second = std::get<LineShape>(d.element(d.tracer().id(2)).shape);
    EXPECT_TRUE(test::near(second.a, {110, 0}));
    EXPECT_TRUE(test::near(second.b, {110, -5}));
    // A feature that drew nothing is not placed (and nothing else moves).
    placeFeature(d, beginFeature(d), {.x = 1000});
    EXPECT_TRUE(test::near(second.a, {110, 0}));
    EXPECT_NEAR(kRadiansPerDegree, kPi / 180, 1e-9);
}

TEST(Emission, TextsAreRegisteredOnTheTextKind) {
    Drawing d;
    GenerationPass pass(d);
    const PenScope pen(d, kind::Crease);
    const ElementId id = text(d, {12, 34}, "Rainant", 1, 5, 90);
    EXPECT_EQ(d.tracer().id(1), id);
    EXPECT_EQ(d.ElementLineKind(id), kind::Text);
    EXPECT_EQ(d.ElementType(id), ShapeType::Text);
    const auto& t = std::get<TextShape>(d.element(id).shape);
    EXPECT_TRUE(test::near(t.position, {12, 34}));
    EXPECT_EQ(t.text, "Rainant");
    EXPECT_EQ(t.option, 1);
    EXPECT_DOUBLE_EQ(t.height, 5);
    EXPECT_DOUBLE_EQ(t.angleDeg, 90);
}

TEST(slotHalfWidths, OverridesOffsetsAndCentring) {
    SlotSettings slots{.width = 8, .offset = 0};
    EXPECT_EQ(slotHalfWidths(slots), std::make_pair(4.0f, 4.0f));
    slots.offset = 1;
    EXPECT_EQ(slotHalfWidths(slots), std::make_pair(3.0f, 5.0f));
    slots.offset = 9;  // larger than the slot: centred
    EXPECT_EQ(slotHalfWidths(slots), std::make_pair(4.0f, 4.0f));
    slots.halves.first = 3;
    EXPECT_EQ(slotHalfWidths(slots), std::make_pair(4.0f, 4.0f));  // both are needed
    slots.halves.second = 5;
    EXPECT_EQ(slotHalfWidths(slots), std::make_pair(3.0f, 5.0f));
}

}  // namespace
}  // namespace brontaxe
