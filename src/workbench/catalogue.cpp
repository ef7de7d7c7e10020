#include "workbench/catalogue.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/number_text.h"
#include "platform/rounding.h"
#include "styles/family_records.h"
#include "styles/style_records.h"

namespace brontaxe {
const std::vector<Family>& catalogueFamilies() {
    static const std::vector<Family> families = [] {
        std::vector<Family> out;
        for (const StyleRecord* r : styleRecords()) {
            if (out.empty() || out.back().number != r->family)
                out.push_back({r->family, {}});
            out.back().codes.push_back(r->listEntry());
        }
        out.front().codes.push_back(kTopBottomEntry);
        return out;
    }();
    return families;
}

const Family* findFamily(int number) {
    const auto& families = catalogueFamilies();
    auto it = std::find_if(families.begin(), families.end(),
                           [number](const Family& f) { return f.number == number; });
    return it == families.end() ? nullptr : &*it;
}

int familyCaptionEntry(int number) {
    return 70 + number - 1;
}

DispatchTarget dispatchCode(std::string_view codeText, bool codeBoxHasSlash, std::int16_t topStyle,
                            std::int16_t bottomStyle) {
    // The combined box's generator is registered under "/".
    if (codeBoxHasSlash && (topStyle != 0 || bottomStyle != 0)) {
        return {DispatchKind::Combined, "/"};
    }
    if (codeText == "/")
        return {DispatchKind::Combined, "/"};
    // A listed code, its list entry or a form typed for it, drawn by its own generator or by
    // the one it shares.
    const StyleRecord* r = findStyleRecord(codeText);
    if (r && r != &topBottomRecord())
        return {DispatchKind::Generator, r->drawnBy.empty() ? r->code : r->drawnBy};
    return {};
}

CodeBoxEntry codeBoxEntry(std::string_view typed) {
    CodeBoxEntry entry;
    entry.text = std::string(typed);
    // Codes have four digits: 201 becomes 0201, but 9999 stays as typed.
    const auto digits =
        std::find_if_not(entry.text.begin(), entry.text.end(),
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }) -
        entry.text.begin();
    if (entry.text.empty() || (entry.text.front() != '0' && digits < 4))
        entry.text.insert(entry.text.begin(), '0');
    const std::size_t slash = entry.text.find('/');
    if (slash != std::string::npos) {
        const double top = platform::leadingNumber(std::string_view(entry.text).substr(0, slash));
        const double bottom =
            platform::leadingNumber(std::string_view(entry.text).substr(slash + 1));
        entry.topStyle = roundToInt16(top).value_or(0);
        entry.bottomStyle = roundToInt16(bottom).value_or(0);
    }
    entry.creaseListLayout = usesCreaseListLayout(platform::leadingNumber(entry.text));
    return entry;
}

std::optional<CodePlace> findCodeInCatalogue(std::string_view code) {
    const StyleRecord* r = findStyleRecord(code);
    if (!r || r == &topBottomRecord())
        return std::nullopt;
    const Family* f = findFamily(r->family);
    const auto it = std::ranges::find(f->codes, r->listEntry());
    return CodePlace{f->number, static_cast<int>(it - f->codes.begin()) + 1};
}

bool usesCreaseListLayout(double styleNumber) {
    const StyleRecord* r = findStyleRecordByNumber(styleNumber);
    return r && r->heightIsCreaseList;
}

}  // namespace brontaxe
