#include "platform/user_number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/text.h"

namespace brontaxe::platform {
namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::optional<double> readUserNumber(std::string_view text) {
    text = trimBlanks(text);
    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < text.size() && isDigit(text[i])) {
        number += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        number += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        number += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            number += text[i++];
        const std::size_t digits = i;
        while (i < text.size() && isDigit(text[i]))
            number += text[i++];
        if (i == digits)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const char* end = number.data() + number.size();
    const auto res = std::from_chars(number.data(), end, value);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace brontaxe::platform
