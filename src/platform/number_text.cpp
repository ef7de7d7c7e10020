#include "platform/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace brontaxe::platform {
namespace {

// A finite value as decimal digits: value = 0.d1 d2 d3 ... x 10^pointPos (digits without
// leading zeros; "0" and pointPos 1 for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    int pointPos = 1;
};

Decimal toDecimal(double value, int significantDigits) {
    Decimal d;
    d.negative = std::signbit(value) && value != 0.0;
    if (value == 0.0) {
        d.digits = "0";
        return d;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                             significantDigits - 1);
    std::string s(buf, res.ptr);
    std::size_t e = s.find('e');
    std::string mantissa = s.substr(0, e);
    int exponent = std::atoi(s.c_str() + e + 1);
    for (char c : mantissa)
        if (c != '.')
            d.digits += c;
    d.pointPos = exponent + 1;
    return d;
}

void dropTrailingZeros(std::string& digits) {
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

// Rounds to `decimals` places, half away from zero, on the digit string.
Decimal roundToDecimals(Decimal d, int decimals) {
    const int keep = d.pointPos + decimals;
    if (keep < 0)
        return Decimal{};
    if (keep >= static_cast<int>(d.digits.size()))
        return d;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    if (d.digits.empty())
        return Decimal{};
    return d;
}

// Integer and fraction digit strings of a decimal, the fraction padded to `decimals` places.
void splitDecimal(const Decimal& d, int decimals, std::string& intPart, std::string& fracPart) {
    intPart.clear();
    fracPart.clear();
    const int n = static_cast<int>(d.digits.size());
    for (int i = 0; i < d.pointPos; ++i)
        intPart += i < n ? d.digits[static_cast<std::size_t>(i)] : '0';
    for (int i = d.pointPos; i < d.pointPos + decimals; ++i) {
        fracPart += (i >= 0 && i < n) ? d.digits[static_cast<std::size_t>(i)] : '0';
    }
    std::size_t firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? "" : intPart.substr(firstNonZero);
}

std::string shortestText(double value, int significantDigits, bool zeroBeforePoint) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0)
        return "0";
    Decimal d = toDecimal(value, significantDigits);
    dropTrailingZeros(d.digits);
    const int exponent = d.pointPos - 1;
    std::string out = d.negative ? "-" : "";
    if (exponent >= significantDigits || exponent < -4) {
        out += d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            out += "." + d.digits.substr(1);
        const int a = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (a < 10)
            out += '0';
        out += std::to_string(a);
        return out;
    }
    if (d.pointPos <= 0) {
        if (zeroBeforePoint)
            out += '0';
        out += "." + std::string(static_cast<std::size_t>(-d.pointPos), '0') + d.digits;
        return out;
    }
    std::string intPart;
    std::string fracPart;
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.pointPos);
    splitDecimal(d, decimals, intPart, fracPart);
    out += intPart.empty() ? "0" : intPart;
    if (!fracPart.empty())
        out += "." + fracPart;
    return out;
}

}  // namespace

std::string numberTextBlank(double value, int significantDigits) {
    std::string text = shortestText(value, significantDigits, false);
    return (value >= 0.0 || std::isnan(value)) ? " " + text : text;
}

std::string numberText(double value, int significantDigits) {
    return shortestText(value, significantDigits, true);
}

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value))
        return numberText(value);
    const std::size_t point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const std::string_view fracPattern =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    const int minIntDigits =
        static_cast<int>(std::count(intPattern.begin(), intPattern.end(), '0'));
    const int maxDecimals = static_cast<int>(fracPattern.size());
    const int minDecimals =
        static_cast<int>(std::count(fracPattern.begin(), fracPattern.end(), '0'));

    Decimal d = roundToDecimals(toDecimal(value, 15), maxDecimals);
    std::string intPart;
    std::string fracPart;
    splitDecimal(d, maxDecimals, intPart, fracPart);
    while (static_cast<int>(fracPart.size()) > minDecimals && !fracPart.empty() &&
           fracPart.back() == '0') {
        fracPart.pop_back();
    }
    while (static_cast<int>(intPart.size()) < minIntDigits)
        intPart.insert(intPart.begin(), '0');
    const bool isZero = intPart.find_first_not_of('0') == std::string::npos &&
                        fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !isZero) ? "-" : "";
    out += intPart;
    if (point != std::string_view::npos)
        out += "." + fracPart;
    return out;
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        number += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        std::size_t digitsStart = j;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            exponent += text[j++];
        }
        if (j > digitsStart)
            number += exponent;
    }
    double value = 0.0;
    const char* first = number.data();
    if (*first == '-')
        ++first;  // from_chars takes no sign of its own in front of a '.'
    auto res = std::from_chars(first, number.data() + number.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return number.front() == '-' ? -value : value;
}

std::string shownNumber(double value, int significantDigits) {
    return withDecimalComma(numberText(value, significantDigits));
}

std::string readableNumber(double value, std::string_view unit, int decimals) {
    std::string pattern = "0.";
    pattern.append(static_cast<std::size_t>(std::max(0, decimals)), '#');
    std::string text = formatNumber(value, pattern);
    if (text.back() == '.')
        text.pop_back();
    text = withDecimalComma(std::move(text));
    if (!unit.empty())
        text.append(kNoBreakSpace).append(unit);
    return text;
}

std::string withDecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

}  // namespace brontaxe::platform
