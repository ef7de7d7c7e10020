#include "pallet/mckee.h"

#include <cmath>
#include <iterator>

#include "model/model.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kKnPerMPerLbsPerIn = 0.1751;
constexpr double kKgPerLbs = 0.45359;
constexpr double kGravity = 9.81;

double roundedToTenth(double v) {
    return std::round(v * 10.0) / 10.0;
}

// Converted values carry the leading blank of the program's number text; an empty box (no
// estimate made yet) stays empty rather than turning into a result of 0.
std::string converted(const std::string& text, double factor, bool divide, bool round) {
    if (text.find_first_not_of(' ') == std::string::npos)
        return text;
    double v = platform::leadingNumber(text);
    v = divide ? v / factor : v * factor;
    return platform::numberTextBlank(round ? roundedToTenth(v) : v);
}

}  // namespace

// The classes as the list shows them, the percent sign kept on its number's line.
const std::array<RcvFactor, 7>& humidityFactors() {
    static const std::array<RcvFactor, 7> entries{{
        {"0-35\u00a0%", 1.1f},
        {"36-45\u00a0%", 1.1f},
        {"46-55\u00a0%", 1.0f},
        {"56-65\u00a0%", 0.9f},
        {"66-75\u00a0%", 0.8f},
        {"76-85\u00a0%", 0.7f},
        {"86-100\u00a0%", 0.5f},
    }};
    return entries;
}

// Beyond four months the board keeps losing strength, a little more slowly: 0.45 continues
// the fall of the shorter storage times.
const std::array<RcvFactor, 8>& storageFactors() {
    static const std::array<RcvFactor, 8> entries{{
        {"0 jours", 1.0f},
        {"1 - 3 jours", 0.7f},
        {"4 - 10 jours", 0.65f},
        {"11 - 30 jours", 0.6f},
        {"1 - 2 mois", 0.55f},
        {"2 - 3 mois", 0.55f},
        {"3 - 4 mois", 0.5f},
        {"plus de 4 mois", 0.45f},
    }};
    return entries;
}

std::size_t humidityEntryFor(double percent) {
    constexpr double upper[] = {35, 45, 55, 65, 75, 85};
    std::size_t entry = 0;
    while (entry < std::size(upper) && percent > upper[entry])
        ++entry;
    return entry;
}

std::size_t storageEntryFor(double days) {
    constexpr double upper[] = {0, 3, 10, 30, 60, 90, 120};
    std::size_t entry = 0;
    while (entry < std::size(upper) && days > upper[entry])
        ++entry;
    return entry;
}

double mcKeeEstimate(double length, double width, double thickness, double ect, RcvUnits units,
                     double humidity, double storage) {
    const bool metric = units == RcvUnits::Metric;
    if (metric) {
        length /= 1000.0;
        width /= 1000.0;
        thickness /= 1000.0;
    }
    double p = 5.87 * ect * std::pow(2.0 * (length + width), 0.4924) * std::pow(thickness, 0.5076);
    if (metric)
        p = p * 1000.0 / kGravity;
    return p * humidity * storage;
}

std::string rcvText(double estimate) {
    return platform::formatNumber(estimate, "####0.0000");
}

RcvForm RcvForm::opening(const Model& m) {
    RcvForm f;
    f.inputs = {platform::numberText(m.Longueur), platform::numberText(m.Largeur),
                platform::numberText(m.Hauteur), platform::numberText(m.EpaisseurCarton), "7"};
    f.humidity = humidityFactors()[kDefaultHumidity].factor;
    f.storage = storageFactors()[kDefaultStorage].factor;
    return f;
}

void RcvForm::compute() {
    // The height is shown for reference only: the formula takes the perimeter.
    const double estimate =
        mcKeeEstimate(platform::leadingNumber(inputs[0]), platform::leadingNumber(inputs[1]),
                      platform::leadingNumber(inputs[3]), platform::leadingNumber(inputs[kEct]),
                      units, humidity, storage);
    result = rcvText(std::isfinite(estimate) ? estimate : 0.0);
}

void RcvForm::chooseHumidity(std::size_t entry) {
    if (entry < humidityFactors().size()) {
        humidityEntry = entry;
        humidity = humidityFactors()[entry].factor;
    }
    compute();
}

void RcvForm::chooseStorage(std::size_t entry) {
    if (entry < storageFactors().size()) {
        storageEntry = entry;
        storage = storageFactors()[entry].factor;
    }
    compute();
}

void RcvForm::changeUnits(RcvUnits to) {
    if (to == units)
        return;
    const bool toMetric = to == RcvUnits::Metric;
    for (std::size_t k = 0; k < kEct; ++k)
        inputs[k] = converted(inputs[k], kMmPerInch, !toMetric, toMetric);
    inputs[kEct] = converted(inputs[kEct], kKnPerMPerLbsPerIn, !toMetric, toMetric);
    result = converted(result, kKgPerLbs, !toMetric, false);
    units = to;
}

std::string_view RcvForm::lengthUnit() const {
    return units == RcvUnits::Metric ? "mm" : "in";
}

std::string_view RcvForm::ectUnit() const {
    return units == RcvUnits::Metric ? "kN/m" : "lbs/in";
}

std::string_view RcvForm::resultUnit() const {
    return units == RcvUnits::Metric ? "kg" : "lbs";
}

}  // namespace brontaxe
