// The compression estimate of "Calcul RCV": the McKee formula with its factors, the unit
// conversions of the dialog's boxes and the command line's --rcv.

#include "pallet/mckee.h"

#include <gtest/gtest.h>

#include <string>

#include "model/model.h"
#include "platform/number_text.h"
#include "support/cli_run.h"

namespace brontaxe {
namespace {

RcvForm form(const std::string& l, const std::string& w, const std::string& t,
             const std::string& ect) {
    RcvForm f;
    f.inputs = {l, w, "200", t, ect};
    return f;
}

TEST(McKee, MetricBoxWithTheOpeningFactorsGivesTheFormulasValue) {
    RcvForm f = form("400", "300", "3", "7");
    f.compute();
    // 5.87 x 7 x 1.4^0.4924 x 0.003^0.5076 x 1000 / 9.81 x 0.7 x 0.7
    EXPECT_EQ(f.result, "126.9414");
    EXPECT_EQ(f.resultUnit(), "kg");
}

TEST(McKee, BoxesThatAreNoNumberCountZero) {
    struct Case {
        const char* what;
        RcvForm f;
        const char* result;
    };
    const Case cases[] = {
        {"empty ECT", form("400", "300", "3", ""), "0.0000"},
        {"text ECT", form("400", "300", "3", "abc"), "0.0000"},
        {"empty thickness", form("400", "300", "", "7"), "0.0000"},
        // A negative perimeter has no power: no figure rather than "nan".
        {"negative length", form("-900", "300", "3", "7"), "0.0000"},
        // The leading number of the text, period as the decimal mark.
        {"trailing unit", form("400 mm", "300", "3,5", "7"), ""},
    };
    for (Case c : cases) {
        c.f.compute();
        if (*c.result)
            EXPECT_EQ(c.f.result, c.result) << c.what;
        else
            EXPECT_EQ(c.f.result, rcvText(mcKeeEstimate(400, 300, 3, 7, RcvUnits::Metric, .7, .7)))
                << c.what;
    }
}

TEST(McKee, ChoosingAListEntryTakesItsFactorAndComputesAgain) {
    RcvForm f = form("400", "300", "3", "7");
    f.chooseHumidity(2);  // "46-55 %"
    EXPECT_FLOAT_EQ(f.humidity, 1.0f);
    EXPECT_EQ(f.result, rcvText(126.94143620389266 / 0.7));
    f.chooseStorage(0);  // "0 jours"
    EXPECT_EQ(f.result, rcvText(126.94143620389266 / 0.49));
    // An entry the lists do not hold keeps the factor in force.
    f.chooseStorage(99);
    EXPECT_FLOAT_EQ(f.storage, 1.0f);
}

TEST(McKee, FactorsFallWithHumidityAndStorageTimeAndTheLastEntryHasOne) {
    const auto& h = humidityFactors();
    const auto& s = storageFactors();
    EXPECT_EQ(h[kDefaultHumidity].text, "76-85\u00a0%");
    EXPECT_EQ(s[kDefaultStorage].text, "1 - 3 jours");
    for (std::size_t k = 1; k < h.size(); ++k)
        EXPECT_LE(h[k].factor, h[k - 1].factor) << h[k].text;
    for (std::size_t k = 1; k < s.size(); ++k)
        EXPECT_LE(s[k].factor, s[k - 1].factor) << s[k].text;
    EXPECT_EQ(s.back().text, "plus de 4 mois");
    EXPECT_GT(s.back().factor, 0.0f);
    EXPECT_LT(s.back().factor, s[s.size() - 2].factor);
}

TEST(McKee, HumidityAndStorageTimesFindTheirEntry) {
    const std::pair<double, std::size_t> humidity[] = {{0, 0},  {35, 0}, {36, 1}, {45, 1},
                                                       {50, 2}, {65, 3}, {70, 4}, {80, 5},
                                                       {85, 5}, {86, 6}, {100, 6}};
    for (auto [percent, entry] : humidity)
        EXPECT_EQ(humidityEntryFor(percent), entry) << percent;
    const std::pair<double, std::size_t> storage[] = {{0, 0},   {1, 1},   {3, 1},   {4, 2},
                                                      {10, 2},  {30, 3},  {31, 4},  {61, 5},
                                                      {120, 6}, {121, 7}, {1000, 7}};
    for (auto [days, entry] : storage)
        EXPECT_EQ(storageEntryFor(days), entry) << days;
}

TEST(McKee, ImperialAndBackRoundsToOneDecimal) {
    RcvForm f = form("400", "300", "3", "7");
    f.inputs[2] = "250.04";
    f.compute();
    f.changeUnits(RcvUnits::Imperial);
    EXPECT_EQ(f.lengthUnit(), "in");
    EXPECT_EQ(f.ectUnit(), "lbs/in");
    EXPECT_EQ(f.resultUnit(), "lbs");
    EXPECT_EQ(f.inputs[0], platform::numberTextBlank(400 / 25.4));
    EXPECT_EQ(f.inputs[4], platform::numberTextBlank(7 / 0.1751));
    EXPECT_EQ(f.result, platform::numberTextBlank(126.9414 / 0.45359));

    f.changeUnits(RcvUnits::Metric);
    EXPECT_EQ(f.inputs[0], " 400");
    EXPECT_EQ(f.inputs[1], " 300");
    EXPECT_EQ(f.inputs[2], " 250");
    EXPECT_EQ(f.inputs[3], " 3");
    EXPECT_EQ(f.inputs[4], " 7");
    // The result is converted back without rounding.
    EXPECT_NEAR(platform::leadingNumber(f.result), 126.9414, 1e-3);
    EXPECT_EQ(f.ectUnit(), "kN/m");
}

TEST(McKee, BothUnitSystemsEstimateTheSameBox) {
    RcvForm f = form("400", "300", "3", "7");
    f.compute();
    const double kg = platform::leadingNumber(f.result);
    f.changeUnits(RcvUnits::Imperial);
    f.compute();
    EXPECT_NEAR(platform::leadingNumber(f.result) * 0.45359, kg, kg * 1e-3);
    // An empty result stays empty: no estimate was made.
    RcvForm fresh = form("400", "300", "3", "7");
    fresh.changeUnits(RcvUnits::Imperial);
    EXPECT_EQ(fresh.result, "");
}

TEST(McKee, OpensOnTheCurrentBoxAsPlainNumbers) {
    Model m;
    m.Longueur = 400.5f;
    m.Largeur = 300;
    m.Hauteur = 0.5f;
    m.EpaisseurCarton = 3;
    const RcvForm f = RcvForm::opening(m);
    EXPECT_EQ(f.inputs, (std::array<std::string, 5>{"400.5", "300", "0.5", "3", "7"}));
    EXPECT_EQ(f.result, "");
    EXPECT_EQ(f.units, RcvUnits::Metric);
    EXPECT_FLOAT_EQ(f.humidity * f.storage, 0.49f);
}

TEST(McKeeCli, PrintsTheEstimateOfTheBoxAndRefusesBadValues) {
    test::TempDir config;
    // The shipped grade 1 is 3 mm thick.
    const test::CliRun run = test::runCli({"0201", "--rcv"}, config);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("RCV = 126,9414 kg"), std::string::npos) << run.out;

    const test::CliRun dry = test::runCli(
        {"0201", "--rcv", "--ect", "5,5", "--humidite", "40", "--stockage", "0"}, config);
    EXPECT_EQ(dry.code, 0) << dry.err;
    const std::string expected = "RCV = " +
                                 platform::withDecimalComma(rcvText(mcKeeEstimate(
                                     400, 300, 3, 5.5, RcvUnits::Metric, 1.1f, 1.0f))) +
                                 " kg";
    EXPECT_NE(dry.out.find(expected), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("Humidité relative 36-45 %"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("ECT 5,5 kN/m"), std::string::npos) << dry.out;

    for (std::vector<const char*> bad : {std::vector<const char*>{"0201", "--rcv", "--ect", "-1"},
                                         {"0201", "--rcv", "--humidite", "120"},
                                         {"0201", "--rcv", "--stockage", "-2"},
                                         {"0201", "--rcv", "--ect", "sept"}}) {
        const test::CliRun r = test::runCli(bad, config);
        EXPECT_EQ(r.code, 2) << bad[3];
        EXPECT_EQ(r.out.find("RCV ="), std::string::npos);
    }
}

}  // namespace
}  // namespace brontaxe
