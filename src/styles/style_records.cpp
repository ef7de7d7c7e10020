#include "styles/style_records.h"

#include <algorithm>
#include <unordered_map>

#include "platform/number_text.h"
#include "styles/family_records.h"

namespace brontaxe {

const std::vector<const StyleRecord*>& styleRecords() {
    static const std::vector<const StyleRecord*> all = [] {
        std::vector<const StyleRecord*> out;
        for (const auto* family :
             {&fco200Records(), &fco300Records(), &fco400Records(), &fco500Records(),
              &fco600Records(), &fco700Records(), &fco900Records()})
            for (const StyleRecord& r : *family)
                out.push_back(&r);
        return out;
    }();
    return all;
}

const StyleRecord* findStyleRecord(std::string_view text) {
    // Asked at every regeneration and every check: every text of every record, indexed once.
    static const std::unordered_map<std::string_view, const StyleRecord*> byText = [] {
        std::unordered_map<std::string_view, const StyleRecord*> out;
        const StyleRecord& combined = topBottomRecord();
        out.emplace(combined.code, &combined);
        for (const StyleRecord* r : styleRecords())
            for (std::string_view t : {r->code, r->listedAs, r->typedAs})
                if (!t.empty())
                    out.emplace(t, r);
        return out;
    }();
    const auto it = byText.find(text);
    return it == byText.end() ? nullptr : it->second;
}

const StyleRecord* findStyleRecordByNumber(double number) {
    static const std::unordered_map<double, const StyleRecord*> byNumber = [] {
        std::unordered_map<double, const StyleRecord*> out;
        for (const StyleRecord* r : styleRecords())
            out.emplace(platform::leadingNumber(r->code), r);  // the first of a number stays
        return out;
    }();
    const auto it = byNumber.find(number);
    return it == byNumber.end() ? nullptr : it->second;
}

std::optional<std::vector<fold::PieceShape>> declaredPieces(std::string_view code) {
    const StyleRecord* r = findStyleRecord(code);
    return r ? r->pieces : std::nullopt;
}

fold::Stance stanceOf(std::string_view code) {
    const StyleRecord* r = findStyleRecord(code);
    const bool onBase =
        r && r->pieces && std::ranges::any_of(*r->pieces, [](const auto& p) { return p.onBase; });
    return onBase ? fold::Stance::Base : fold::Stance::Walls;
}

}  // namespace brontaxe
