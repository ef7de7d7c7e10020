#include "drawing/element_filter.h"
#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace brontaxe {
namespace {

std::string upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

std::optional<int> wholeNumber(std::string_view s) {
    s = platform::trimBlanks(s);
    int value = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

// "2..8" or "6".
template <typename Range>
std::optional<Range> parseRange(std::string_view s) {
    const std::size_t dots = s.find("..");
    if (dots == std::string_view::npos) {
        auto v = wholeNumber(s);
        if (!v)
            return std::nullopt;
        return Range{*v, *v};
    }
    auto first = wholeNumber(s.substr(0, dots));
    auto last = wholeNumber(s.substr(dots + 2));
    if (!first || !last || *first > *last)
        return std::nullopt;
    return Range{*first, *last};
}

}  // namespace

std::optional<ElementFilter> ElementFilter::parse(std::string_view expression) {
    ElementFilter filter;
    filter.expression_ = std::string(expression);
    std::size_t start = 0;
    while (start <= expression.size()) {
        const std::size_t end = std::min(expression.find(';', start), expression.size());
        const std::string_view clause = platform::trimBlanks(expression.substr(start, end - start));
        start = end + 1;
        if (clause.empty())
            continue;
        const std::string key = upper(clause.substr(0, clause.find('=')));
        if (clause.find('=') == std::string_view::npos) {
            if (platform::trimBlanks(key) != "COTATION")
                return std::nullopt;
            filter.hideDimensions_ = true;
            continue;
        }
        auto range = parseRange<Range>(clause.substr(clause.find('=') + 1));
        if (!range)
            return std::nullopt;
        if (platform::trimBlanks(key) == "PEN") {
            filter.pens_.push_back(*range);
        } else if (platform::trimBlanks(key) == "NIV") {
            filter.levels_.push_back(*range);
        } else {
            return std::nullopt;
        }
    }
    return filter;
}

bool ElementFilter::hides(const Element& e) const {
    const bool isDimension = std::holds_alternative<DimensionShape>(e.shape);
    if (hideDimensions_ && isDimension)
        return true;
    // The dimensioning is drawn with the pen of texts, whatever kind it was stamped with.
    const int pen = lineKindNumber(isDimension ? kind::Text : e.lineKind);
    if (std::any_of(pens_.begin(), pens_.end(), [&](const Range& r) { return r.contains(pen); })) {
        return true;
    }
    return std::any_of(levels_.begin(), levels_.end(),
                       [](const Range& r) { return r.contains(kElementLevel); });
}

}  // namespace brontaxe
