#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <utility>

#include "platform/errors.h"
#include "platform/rounding.h"

namespace brontaxe::platform {
namespace {

TEST(NumberTextBlank, LeadingBlankShortestFormPeriodAndNoZeroBeforeThePoint) {
    EXPECT_EQ(numberTextBlank(3), " 3");
    EXPECT_EQ(numberTextBlank(0), " 0");
    EXPECT_EQ(numberTextBlank(36.5), " 36.5");
    EXPECT_EQ(numberTextBlank(0.5), " .5");
    EXPECT_EQ(numberTextBlank(-0.25), "-.25");
    EXPECT_EQ(numberTextBlank(-12), "-12");
    EXPECT_EQ(numberTextBlank(0.1f), " .1");  // a single keeps seven digits
    EXPECT_EQ(numberTextBlank(1436.0f / 3), " 478.6667");
    EXPECT_EQ(numberTextBlank(9999999), " 9999999");
    EXPECT_EQ(numberTextBlank(1e7), " 1E+07");
    EXPECT_EQ(numberTextBlank(0.0001), " .0001");
    EXPECT_EQ(numberTextBlank(0.00001), " 1E-05");
    EXPECT_EQ(numberTextBlank(1.5e-6), " 1.5E-06");
}

TEST(NumberText, PlainFormHasNoBlankAndAZeroBeforeThePoint) {
    EXPECT_EQ(numberText(3), "3");
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(-0.5), "-0.5");
    EXPECT_EQ(numberText(150), "150");
    EXPECT_EQ(numberText(2.75f), "2.75");
}

// What the window shows the user: the plain form with the French comma.
TEST(ShownNumber, PlainFormWithTheDecimalComma) {
    const std::pair<double, const char*> cases[] = {
        {400, "400"},   {12.5f, "12,5"}, {0.2755906, "0,2755906"},
        {-0.5, "-0,5"}, {1000, "1000"},  {2.75f, "2,75"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(shownNumber(value), text) << value;
    EXPECT_EQ(withDecimalComma("812.00 x 300.00"), "812,00 x 300,00");
}

// What labels, messages and reports write: rounded, shortest, the comma, the unit kept on the
// number's line.
TEST(ReadableNumber, ShortestRoundedFormWithTheCommaAndTheUnitKeptOnTheLine) {
    const std::string nb(kNoBreakSpace);
    struct Case {
        double value;
        const char* unit;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {199.5f, "mm", 2, "199,5" + nb + "mm"},
        {400.0 / 3, "mm", 2, "133,33" + nb + "mm"},
        {380.5f, "mm", 2, "380,5" + nb + "mm"},  // a single's noise (380.500002) dropped
        {400, "mm", 2, "400" + nb + "mm"},       // no point left alone
        {40.1935, "%", 2, "40,19" + nb + "%"},
        {1.3249, "m", 2, "1,32" + nb + "m"},
        {4.66, "", 1, "4,7"},
        {78.25, "%", 1, "78,3" + nb + "%"},  // half away from zero
        {-0.004, "", 2, "0"},
        {-12.5, "", 2, "-12,5"},
        {2.5, "", 0, "3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readableNumber(c.value, c.unit, c.decimals), c.text) << c.value;
}

TEST(FormatNumber, FixedPatternsOfTheWindow) {
    EXPECT_EQ(formatNumber(5.6571, "#######0.00"), "5.66");
    EXPECT_EQ(formatNumber(0, "#######0.00"), "0.00");
    EXPECT_EQ(formatNumber(0.005, "#######0.00"), "0.01");  // half away from zero
    EXPECT_EQ(formatNumber(2.675, "#######0.00"), "2.68");  // on the decimal value
    EXPECT_EQ(formatNumber(-1.005, "#######0.00"), "-1.01");
    EXPECT_EQ(formatNumber(-0.001, "#######0.00"), "0.00");
    EXPECT_EQ(formatNumber(0.718, "####0.000"), "0.718");
    EXPECT_EQ(formatNumber(1436, "#######0."), "1436.");
    EXPECT_EQ(formatNumber(999.5, "#######0."), "1000.");
    EXPECT_EQ(formatNumber(1436.4, "#####"), "1436");
    EXPECT_EQ(formatNumber(0, "#####"), "");
    EXPECT_EQ(formatNumber(123456789.0, "#####"), "123456789");
}

TEST(LeadingNumber, ReadsThePeriodNumberAtTheStartAndZeroOtherwise) {
    EXPECT_DOUBLE_EQ(leadingNumber(" 36"), 36);
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("+4"), 4);
    EXPECT_DOUBLE_EQ(leadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("12,5"), 12);  // the comma is not a decimal mark
    EXPECT_DOUBLE_EQ(leadingNumber("1e3"), 1000);
    EXPECT_DOUBLE_EQ(leadingNumber("1e"), 1);
    EXPECT_DOUBLE_EQ(leadingNumber("3 mm"), 3);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("."), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("1e999"), 0);  // out of range reads as no number
}

TEST(NumberConversions, IgnoreTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(numberTextBlank(2.5), " 2.5");
    EXPECT_EQ(formatNumber(2.5, "#######0.00"), "2.50");
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(nearestInt16, NearestWithTiesToEvenAndOverflowAsAnError) {
    EXPECT_EQ(nearestInt16(149.9f), 150);
    EXPECT_EQ(nearestInt16(150.4f), 150);
    EXPECT_EQ(nearestInt16(150.5f), 150);
    EXPECT_EQ(nearestInt16(151.5f), 152);
    EXPECT_EQ(nearestInt16(-2.5f), -2);
    EXPECT_EQ(nearestInt16(32767.4f), 32767);
    EXPECT_EQ(nearestInt16(-32768.0f), -32768);
    EXPECT_THROW(nearestInt16(32767.6f), GenerationError);
    EXPECT_THROW(nearestInt16(-40000.0f), GenerationError);
    EXPECT_THROW(nearestInt16(1e30f), GenerationError);
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(3.5), 4);
    EXPECT_EQ(roundToInt16(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace brontaxe::platform
