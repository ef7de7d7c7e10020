#include "model/customer_profile.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace brontaxe {
namespace {

std::string upper(std::string_view text) {
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

}  // namespace

const std::vector<std::string>& customerProfileNames() {
    static const std::vector<std::string> names{"DEFAUT", "VORANIS", "GORVANTE",  "PELSIRAN",
                                                "VEM",    "QLX",     "TREMALUXE", "QOR"};
    return names;
}

ProfileChoice::ProfileChoice(CustomerProfile profile)
    : profile_(profile), name_(customerProfileNames().at(static_cast<std::size_t>(profile))) {}

ProfileChoice ProfileChoice::parse(std::string_view text) {
    ProfileChoice choice;
    choice.name_ = upper(platform::trimBlanks(text));
    const auto& names = customerProfileNames();
    const auto known = std::find(names.begin(), names.end(), choice.name_);
    if (known != names.end())
        choice.profile_ = static_cast<CustomerProfile>(known - names.begin());
    return choice;
}

}  // namespace brontaxe
