#pragma once
// Numbers to text and back, always with a period as the decimal mark whatever the locale.

#include <string>
#include <string_view>

namespace brontaxe::platform {

// Number text with a leading blank: at most `significantDigits` significant digits (7 for a
// single), trailing zeros dropped, no zero before the point ( .5), a blank in front of values
// of zero or more. Very large or small values take the exponent form ( 1E+07).
std::string numberTextBlank(double value, int significantDigits = 7);

// Plain number text: as above without the leading blank and with a zero before the point
// (0.5), for labels and text boxes.
std::string numberText(double value, int significantDigits = 7);

// A number as the window shows it to the user, in a box or a label: the plain number text
// above with the French decimal comma (12,5; 0,2755906; 400).
std::string shownNumber(double value, int significantDigits = 7);
// A number as the user reads it in a label, a message or a report: rounded to `decimals`
// places, in its shortest form (no trailing zero, no point left alone), with the French decimal
// comma, and the unit, when there is one, after a non-breaking space so that a line never
// breaks between them ("199,5 mm", "133,33 mm", "40,19 %", "1,32 m", "4,7").
std::string readableNumber(double value, std::string_view unit = {}, int decimals = 2);
// The non-breaking space (UTF-8) that French puts before a unit and before ":" ";" "?" "!".
inline constexpr std::string_view kNoBreakSpace = "\xc2\xa0";

// The decimal point of a number text made a comma ("812.00 x 300.00" gives "812,00 x 300,00").
std::string withDecimalComma(std::string text);

// Fixed formats built from '#', '0' and '.': "#######0.00" (two decimals, at least one integer
// digit), "####0.000", "#######0." (no decimals, the point kept), "#####" (no digit at all for
// zero). Rounds half away from zero on the decimal value.
std::string formatNumber(double value, std::string_view pattern);

// The leading number of a text: blanks skipped, optional sign, digits with "." as the decimal
// point, optional exponent; reading stops at the first character that cannot continue the
// number. Text that does not start with a number, or a number out of range, reads as 0.
double leadingNumber(std::string_view text);

}  // namespace brontaxe::platform
