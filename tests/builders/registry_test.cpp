#include <gtest/gtest.h>

#include "builders/emit.h"
#include "platform/errors.h"

namespace brontaxe {
namespace {

void drawLines(Model& m, Drawing& d, int count) {
    GenerationPass pass(m, d);
    for (int i = 0; i < count; ++i)
        line(m, d, 0, static_cast<float>(i), 10, static_cast<float>(i));
}

TEST(Registry, ExactlyAThousandElementsFillItToItsLastIndex) {
    Model m;
    Drawing d;
    drawLines(m, d, kRegistryCapacity);
    EXPECT_EQ(m.NbLignes, 1000);
    EXPECT_EQ(m.IdLignes[1].value, 3);
    EXPECT_EQ(m.IdLignes[1000].value, 1002);
    EXPECT_FALSE(m.IdLignes[0].valid());
    EXPECT_FALSE(d.isEditing());
}

TEST(Registry, TheThousandAndFirstElementEndsTheGenerationWithoutBeingDrawn) {
    Model m;
    Drawing d;
    EXPECT_THROW(drawLines(m, d, kRegistryCapacity + 1), GenerationError);
    EXPECT_EQ(m.NbLignes, 1000);
    EXPECT_EQ(d.ElementCount(), 1000);
    EXPECT_FALSE(d.isEditing());  // the pass is closed on the way out
    // Every emitter refuses, not only lines.
    EXPECT_THROW(arc(m, d, 0, 0, 1, 0, 90), GenerationError);
    EXPECT_THROW(dimension(m, d, 0, 0, 1, 0, 0, 0), GenerationError);
    EXPECT_THROW(emitText(m, d, "x", 0, 3), GenerationError);
    EXPECT_EQ(d.ElementCount(), 1000);
}

TEST(Emission, ChainsStartWhereThePreviousLineEndedAndFeaturesArePlaced) {
    Model m;
    Drawing d;
    GenerationPass pass(m, d);
    const int first = beginFeature(m);
    chainStart(m, 0, 0);
    lineTo(m, d, 10, 0);
    lineTo(m, d, 10, 5);
    placeFeature(m, d, first, 100, 0, 0, true);
    EXPECT_EQ(m.NbLignes, 2);
    const auto& second = std::get<LineShape>(d.element(m.IdLignes[2]).shape);
    EXPECT_TRUE(areNear(second.a, {110, 0}));
    EXPECT_TRUE(areNear(second.b, {110, -5}));
    // A feature that drew nothing is not placed (and nothing else moves).
    placeFeature(m, d, beginFeature(m), 1000, 0, 0, false);
    EXPECT_TRUE(areNear(second.a, {110, 0}));
    EXPECT_NEAR(m.DegRad, kPi / 180, 1e-7);
}

TEST(Emission, TextsTravelThroughTheRegistersOnTheTextKind) {
    Model m;
    Drawing d;
    GenerationPass pass(m, d);
    d.LineKind = kind::Crease;
    const ElementId id = text(m, d, 12, 34, "Rainant", 1, 5, 90);
    EXPECT_EQ(m.IdLignes[1], id);
    EXPECT_EQ(d.ElementLineKind(id), kind::Text);
    EXPECT_EQ(d.ElementType(id), ShapeType::Text);
    const auto& t = std::get<TextShape>(d.element(id).shape);
    EXPECT_TRUE(areNear(t.position, {12, 34}));
    EXPECT_EQ(t.text, "Rainant");
    EXPECT_EQ(t.option, 1);
    EXPECT_DOUBLE_EQ(t.height, 5);
    EXPECT_DOUBLE_EQ(t.angleDeg, 90);
    EXPECT_EQ(m.Xc, 12);
    EXPECT_EQ(m.AngleDep, 90);
}

TEST(DemiEncoches, OverridesOffsetsAndCentring) {
    Model m;
    m.encoche = 8;
    m.decalenc = 0;
    EXPECT_EQ(DemiEncoches(m), std::make_pair(4.0f, 4.0f));
    m.decalenc = 1;
    EXPECT_EQ(DemiEncoches(m), std::make_pair(3.0f, 5.0f));
    m.decalenc = 9;  // larger than the slot: centred
    EXPECT_EQ(DemiEncoches(m), std::make_pair(4.0f, 4.0f));
    m.Majo[15] = 3;
    EXPECT_EQ(DemiEncoches(m), std::make_pair(4.0f, 4.0f));  // both are needed
    m.Majo[16] = 5;
    EXPECT_EQ(DemiEncoches(m), std::make_pair(3.0f, 5.0f));
}

TEST(InversePasses, SwapsPanelsAndFlapsByHowManyPanelsWereRecorded) {
    Model m;
    auto fill = [&m] {
        for (std::size_t i = 0; i < m.PassesMachine.size(); ++i)
            m.PassesMachine[i] = static_cast<float>(i + 1);
    };
    fill();
    m.PassesMachine[3] = m.PassesMachine[4] = 0;  // three panels
    InversePasses(m);
    EXPECT_EQ(m.PassesMachine[0], 3);
    EXPECT_EQ(m.PassesMachine[1], 2);
    EXPECT_EQ(m.PassesMachine[2], 1);
    EXPECT_EQ(m.PassesMachine[6], 9);
    EXPECT_EQ(m.PassesMachine[11], 14);

    fill();
    m.PassesMachine[4] = 0;  // four
    InversePasses(m);
    EXPECT_EQ(m.PassesMachine[0], 4);
    EXPECT_EQ(m.PassesMachine[1], 3);
    EXPECT_EQ(m.PassesMachine[7], 9);
    EXPECT_EQ(m.PassesMachine[12], 14);

    fill();  // five
    InversePasses(m);
    EXPECT_EQ(m.PassesMachine[0], 5);
    EXPECT_EQ(m.PassesMachine[2], 3);
    EXPECT_EQ(m.PassesMachine[6], 11);
    EXPECT_EQ(m.PassesMachine[15], 12);
    EXPECT_EQ(m.PassesMachine[16], 17);
}

}  // namespace
}  // namespace brontaxe
