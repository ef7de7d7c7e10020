#pragma once
// The customer profile ("FicheTechnique" > "Personnalisation" in the settings): whose house
// rules the blanks follow. Its text is read once where it comes in (the settings, the
// configuration and technical-sheet dialogs, a field set by name); the drawing code compares
// the enum, and the settings and the dialogs get the name back.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brontaxe {

enum class CustomerProfile : std::uint8_t {
    Default,  // no customer's rules
    Voranis,
    Gorvante,
    Pelsiran,
    Vem,
    Qlx,
    Tremaluxe,
    Qor,
};

// The profile in force and its name as stored. A name the program knows no rules for (a
// customer's own, a typing slip) is kept as it was given and draws as the default, so that
// the settings and the dialogs show it back unchanged.
class ProfileChoice {
  public:
    ProfileChoice() = default;
    // The profile by its own name ("QOR"); the default by "DEFAUT".
    ProfileChoice(CustomerProfile profile);

    // A typed or stored text, trimmed and upper-cased first: "qor " is QOR.
    static ProfileChoice parse(std::string_view text);

    CustomerProfile profile() const { return profile_; }
    // The name to show and to store: "QOR", or the unknown text upper-cased, or "" for none.
    const std::string& name() const { return name_; }

    friend bool operator==(const ProfileChoice& c, CustomerProfile p) { return c.profile_ == p; }
    friend bool operator==(const ProfileChoice&, const ProfileChoice&) = default;

  private:
    CustomerProfile profile_ = CustomerProfile::Default;
    std::string name_;
};

// The profiles' names in the enum's order, for the configuration dialog's list.
const std::vector<std::string>& customerProfileNames();

}  // namespace brontaxe
