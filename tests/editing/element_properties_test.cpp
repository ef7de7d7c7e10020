#include <gtest/gtest.h>

#include "editing/element_properties.h"
#include "support/blank_match.h"

namespace brontaxe::editing {
namespace {

using test::cut;

std::vector<std::pair<Property, double>> shown(const std::vector<PropertyValue>& values) {
    std::vector<std::pair<Property, double>> out;
    for (const PropertyValue& v : values)
        out.emplace_back(v.property, v.value);
    return out;
}

void expectShown(const std::vector<PropertyValue>& got,
                 const std::vector<std::pair<Property, double>>& expected) {
    const auto values = shown(got);
    ASSERT_EQ(values.size(), expected.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].first, expected[i].first) << propertyLabel(expected[i].first);
        EXPECT_NEAR(values[i].second, expected[i].second, 1e-9) << propertyLabel(expected[i].first);
    }
}

TEST(PropertiesOf, LinesArcsAndOtherElementsInThePanelsOrder) {
    Element crease{LineShape{{10, 20}, {13, 24}}, kind::Crease, 1, 2};
    expectShown(propertiesOf(crease), {{Property::Kind, 6},
                                       {Property::Piece, 2},
                                       {Property::StartX, 10},
                                       {Property::StartY, 20},
                                       {Property::EndX, 13},
                                       {Property::EndY, 24},
                                       {Property::Length, 5},
                                       {Property::Angle, 53.1301023542}});
    // Downwards reads as 270°, not -90°.
    EXPECT_NEAR(propertiesOf(cut(LineShape{{0, 0}, {0, -5}})).back().value, 270, 1e-9);
    expectShown(propertiesOf(cut(ArcShape{{1, 2}, 2, 90, 90})), {{Property::Kind, 1},
                                                                 {Property::Piece, 1},
                                                                 {Property::StartX, 1},
                                                                 {Property::StartY, 4},
                                                                 {Property::Length, kPi},
                                                                 {Property::CentreX, 1},
                                                                 {Property::CentreY, 2},
                                                                 {Property::Radius, 2},
                                                                 {Property::StartAngle, 90},
                                                                 {Property::Sweep, 90}});
    const auto text = propertiesOf(Element{TextShape{{0, 0}, "A"}, kind::Text});
    expectShown(text, {{Property::Kind, 8}, {Property::Piece, 1}});
    EXPECT_FALSE(text[0].editable);  // a text takes no line kind
    EXPECT_TRUE(text[1].editable);
}

Element withPiece(Element e, std::int16_t piece) {
    e.piece = piece;
    return e;
}

TEST(WithProperty, TheElementChangedOrARefusal) {
    // 5 long, a bridge over 3.5 to 4.5 that a shorter line loses.
    const Element line = cut(LineShape{{0, 0}, {3, 4}}, {{4, 1}});
    const Element arc = cut(ArcShape{{0, 0}, 10, 0, 90});
    const Element text{TextShape{{0, 0}, "A"}, kind::Text};
    const struct {
        const char* name;
        Element before;
        Property property;
        double value;
        std::optional<Element> expected;
    } cases[] = {
        {"start moved", line, Property::StartX, 3, cut(LineShape{{3, 0}, {3, 4}})},
        {"end moved", line, Property::EndY, 0, cut(LineShape{{0, 0}, {3, 0}})},
        {"longer along itself", line, Property::Length, 10,
         cut(LineShape{{0, 0}, {6, 8}}, {{4, 1}})},
        {"turned about its start", line, Property::Angle, 90,
         cut(LineShape{{0, 0}, {0, 5}}, {{4, 1}})},
        {"no length", line, Property::Length, 0, std::nullopt},
        {"negative length", line, Property::Length, -1, std::nullopt},
        {"ends made one", cut(LineShape{{0, 0}, {0, 4}}), Property::EndY, 0, std::nullopt},
        {"a line has no radius", line, Property::Radius, 5, std::nullopt},
        {"kind", line, Property::Kind, 4, test::withKind(line, kind::Perforation)},
        {"auxiliary is no stroke kind", line, Property::Kind, 3, std::nullopt},
        {"kind not whole", line, Property::Kind, 2.5, std::nullopt},
        {"kind out of range", line, Property::Kind, 70000, std::nullopt},
        {"piece", line, Property::Piece, 3, withPiece(line, 3)},
        {"piece below 0", line, Property::Piece, -1, std::nullopt},
        {"piece past 32767", line, Property::Piece, 40000, std::nullopt},
        {"piece not whole", line, Property::Piece, 1.5, std::nullopt},
        {"not a number", line, Property::StartX, std::nan(""), std::nullopt},
        {"radius", arc, Property::Radius, 20, cut(ArcShape{{0, 0}, 20, 0, 90})},
        {"no radius", arc, Property::Radius, 0, std::nullopt},
        {"sweep to a circle", arc, Property::Sweep, 360, cut(ArcShape{{0, 0}, 10, 0, 360})},
        {"no sweep", arc, Property::Sweep, 0, std::nullopt},
        {"more than a turn", arc, Property::Sweep, 400, std::nullopt},
        {"start angle below 0", arc, Property::StartAngle, -90, cut(ArcShape{{0, 0}, 10, 270, 90})},
        {"start point turns the arc", arc, Property::StartY, 10, cut(ArcShape{{0, 0}, 10, 45, 90})},
        {"start point on the centre", arc, Property::StartX, 0, std::nullopt},
        {"length sets the sweep", arc, Property::Length, 10 * kPi,
         cut(ArcShape{{0, 0}, 10, 0, 180})},
        {"length past a turn", arc, Property::Length, 100, std::nullopt},
        {"centre", arc, Property::CentreX, 5, cut(ArcShape{{5, 0}, 10, 0, 90})},
        {"an arc has no second end", arc, Property::EndX, 5, std::nullopt},
        {"a text takes no line kind", text, Property::Kind, 1, std::nullopt},
        {"a text's piece", text, Property::Piece, 2, withPiece(text, 2)},
        {"a text has no start", text, Property::StartX, 2, std::nullopt},
    };
    for (const auto& c : cases) {
        const PropertyChange got = withProperty(c.before, c.property, c.value);
        ASSERT_EQ(got.element.has_value(), c.expected.has_value()) << c.name;
        EXPECT_EQ(got.refusal.empty(), c.expected.has_value()) << c.name;
        if (got.element) {
            EXPECT_TRUE(test::sameElement(*got.element, *c.expected, 1e-9)) << c.name;
        }
    }
}

}  // namespace
}  // namespace brontaxe::editing
