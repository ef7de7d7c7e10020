#pragma once
// Start-up defaults of the model and the stored style parameters of section "Brontaxe".

#include <string_view>

#include "model/model.h"
#include "platform/profile_file.h"

namespace brontaxe {

inline constexpr std::string_view kParameterFileName = "KorParam.ini";
inline constexpr std::string_view kParameterSection = "Brontaxe";

// Reads the keys of section "Brontaxe" of the parameter file.
class ParameterFile {
  public:
    explicit ParameterFile(const platform::PrivateProfile& profile) : profile_(profile) {}

    // The leading number of the stored text; the default when the key is absent; 0 when the
    // text does not start with a number.
    float LireReel(std::string_view key, float defaultValue) const;
    // True exactly when the number read is 1.
    bool LireBool(std::string_view key, bool defaultValue) const;
    // A whole number, ties to even; the default when the stored value does not fit 16 bits.
    std::int16_t LireEntier(std::string_view key, std::int16_t defaultValue) const;

  private:
    const platform::PrivateProfile& profile_;
};

// Every default of the model, then the stored style parameters over them.
void Init(Model& m, const ParameterFile& parameters);

}  // namespace brontaxe
