#pragma once
// The style catalogue: the families and their codes in list order, which generator draws a
// code, and the rule that turns what was typed in the code box into a code.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brontaxe {

struct Family {
    int number;  // 1 = 02 ... 7 = 09, the family combo's index + 1
    std::vector<std::string_view> codes;
};

// The seven families with their codes, in the order the code combo lists them. Family 02 ends
// with the "Haut / Bas" entry of the top-and-bottom combinations.
const std::vector<Family>& catalogueFamilies();
const Family* findFamily(int number);
// String-table entry of a family's caption (70 for family 1 ... 76 for family 7).
int familyCaptionEntry(int number);

inline constexpr std::string_view kTopBottomEntry = "Haut / Bas";

enum class DispatchKind {
    Generator,  // `generatorCode` names the generator that draws the code
    Combined,   // a top and bottom combination
    None,       // nothing is drawn: the drawing keeps what it held
};

struct DispatchTarget {
    DispatchKind kind = DispatchKind::None;
    std::string_view generatorCode;
};

// The exact, case-sensitive match of the code text against the catalogue. A code box holding
// "/" with a top or bottom style set goes to the combined generator.
DispatchTarget dispatchCode(std::string_view codeText, bool codeBoxHasSlash, std::int16_t topStyle,
                            std::int16_t bottomStyle);

// What typing into the code box and leaving it does to the text.
struct CodeBoxEntry {
    std::string text;                         // "0" put in front unless the text starts with one
    std::optional<std::int16_t> topStyle;     // set when the text holds "/"
    std::optional<std::int16_t> bottomStyle;  // set when the text holds "/"
    bool creaseListLayout = false;            // 990 and 991 trade the height for the creases box
};
CodeBoxEntry codeBoxEntry(std::string_view typed);

// Where a code stands in the lists: its family and its place in the family's list (from 1).
// A typed form that the lists show otherwise is found under the listed entry ("0200c" under
// "0200C", "0951" under "0951 Int"); nullopt for codes no list holds.
// The family of the interior fittings (09), whose strips are drawn from the crease list.
inline constexpr int kFittingsFamily = 7;

struct CodePlace {
    int family = 0;
    int module = 0;
};
std::optional<CodePlace> findCodeInCatalogue(std::string_view code);

// Style numbers whose window shows the creases box instead of the height.
bool usesCreaseListLayout(double styleNumber);

}  // namespace brontaxe
