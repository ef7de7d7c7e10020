#pragma once
// Start-up defaults of the model and the stored style parameters of section "Brontaxe".

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "platform/profile.h"
#include "platform/profile_file.h"

namespace brontaxe {

inline constexpr std::string_view kParameterFileName = "KorParam.ini";
inline constexpr std::string_view kParameterSection = "Brontaxe";

// Reads the keys of section "Brontaxe" of the parameter file (read once, when constructed).
// A stored value that is no number, or lies outside its field's range (model/field_ranges.h),
// is set aside: the default stays and a French warning names the file, the line and the key,
// since a hand-edited "lgPatte=abc" must not quietly become a blank without its glue flap.
class ParameterFile {
  public:
    explicit ParameterFile(const platform::PrivateProfile& profile);

    // The stored number ("." or "," as the decimal mark); the default when the key is absent
    // or its value is set aside.
    float readFloat(std::string_view key, float defaultValue) const;
    // "1" is true and "0" false; anything else keeps the default.
    bool readBool(std::string_view key, bool defaultValue) const;
    // A whole number, ties to even; the default when the value does not fit 16 bits.
    std::int16_t readInt(std::string_view key, std::int16_t defaultValue) const;

    // Why stored values were set aside, in reading order.
    const std::vector<std::string>& warnings() const { return warnings_; }

  private:
    // The stored text as the private-profile call returns it; nullopt when the key is absent.
    std::optional<std::string> storedText(std::string_view key) const;
    void setAside(std::string_view key, const std::string& why, double defaultValue) const;
    void setAside(std::string_view key, const std::string& why, bool defaultValue) const;

    std::filesystem::path path_;
    platform::ProfileDocument document_;
    mutable std::vector<std::string> warnings_;
};

// Every default of the model, then the stored style parameters over them.
void Init(Model& m, const ParameterFile& parameters);

}  // namespace brontaxe
