#pragma once
// The box compression estimate ("Calcul RCV"): the simplified McKee formula from the inside
// length and width, the board thickness and its edge crush test value, corrected for the
// relative humidity and the storage time. The state of the dialog lives here, as the texts of
// its boxes, so that the window and the command line compute alike.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace brontaxe {

struct Model;

enum class RcvUnits { Metric, Imperial };

struct RcvFactor {
    std::string_view text;
    float factor;
};

// Entries of the "Humidité relative" and "Durée Stockage" lists with their factors.
const std::array<RcvFactor, 7>& humidityFactors();
const std::array<RcvFactor, 8>& storageFactors();
// Entries selected when the dialog opens ("76-85%", "1 - 3 jours"): both factors are 0.7.
inline constexpr std::size_t kDefaultHumidity = 5;
inline constexpr std::size_t kDefaultStorage = 1;

// The list entry of a relative humidity in percent (0 to 100) and of a storage time in days
// (31 to 60 days is "1 - 2 mois", over 120 "plus de 4 mois").
std::size_t humidityEntryFor(double percent);
std::size_t storageEntryFor(double days);

// P = 5.87 x E x (2 (L + W))^0.4924 x t^0.5076. Metric: millimetres and kN/m in, kilograms out;
// imperial: inches and lbs/in in, pounds out. Then times both factors.
double mcKeeEstimate(double length, double width, double thickness, double ect, RcvUnits units,
                     double humidity, double storage);

// The result as the dialog shows it: "####0.0000".
std::string rcvText(double estimate);

// The dialog's boxes: length, width, height, thickness and ECT (0 to 4) and the result.
struct RcvForm {
    static constexpr std::size_t kInputs = 5;
    static constexpr std::size_t kEct = 4;
    std::array<std::string, kInputs> inputs;
    std::string result;
    RcvUnits units = RcvUnits::Metric;
    std::size_t humidityEntry = kDefaultHumidity;
    std::size_t storageEntry = kDefaultStorage;
    float humidity = 0.7f;
    float storage = 0.7f;

    // The current box and a metric ECT of 7, as the dialog opens.
    static RcvForm opening(const Model& m);

    // "Calculer": the estimate from the texts as they stand (text that is no number counts 0).
    void compute();
    // A list selection: the factor of the entry, then the estimate again.
    void chooseHumidity(std::size_t entry);
    void chooseStorage(std::size_t entry);
    // Converts every box to the other units without computing again.
    void changeUnits(RcvUnits to);

    // Unit captions of the boxes: "mm", "kN/m", "kg" or "in", "lbs/in", "lbs".
    std::string_view lengthUnit() const;
    std::string_view ectUnit() const;
    std::string_view resultUnit() const;
};

}  // namespace brontaxe
