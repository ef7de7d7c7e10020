#pragma once
// What the lists say beside a code about its blank: a form drawn from the style's name alone,
// which no published description of the style confirms, or the blank of another listed code
// drawn again. The window's lists, its style box and the command line all read it here.

#include <string>
#include <string_view>
#include <vector>

namespace brontaxe {

inline constexpr std::string_view kFormUnconfirmed = "forme non confirmée";

struct StyleForm {
    bool confirmed = true;
    std::string_view sameBlankAs;  // the listed code whose flat blank this code draws, or empty
    std::string_view except;       // what the shared blank leaves out, or empty
};

// Of a listed code or a typed form of one ("0200c", "0951"); a code no list holds, or a top and
// bottom combination, is confirmed and shares nothing.
StyleForm styleForm(std::string_view code);

// The short French note beside the code: "forme non confirmée", "même découpe que 0301", both,
// or empty.
std::string formNote(std::string_view code);

// The listed codes whose form is not confirmed, in list order.
std::vector<std::string_view> unconfirmedCodes();

}  // namespace brontaxe
