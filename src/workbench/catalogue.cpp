#include "workbench/catalogue.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/number_text.h"
#include "platform/rounding.h"

namespace brontaxe {
namespace {

// Codes drawn by another code's generator.
struct SharedGenerator {
    std::string_view code;
    std::string_view generator;
};

constexpr SharedGenerator kShared[] = {
    {"0200c", "0200C"}, {"0305", "0301"}, {"0599", "0509"},     {"0610", "0607"},
    {"0990", "0901"},   {"0991", "0902"}, {"0951 Int", "0951"},
};

bool isListed(std::string_view code) {
    // Asked at every regeneration and every check: by halves, in the codes sorted once.
    static const std::vector<std::string_view> sorted = [] {
        std::vector<std::string_view> out;
        for (const Family& f : catalogueFamilies())
            out.insert(out.end(), f.codes.begin(), f.codes.end());
        std::sort(out.begin(), out.end());
        return out;
    }();
    return std::binary_search(sorted.begin(), sorted.end(), code);
}

}  // namespace

const std::vector<Family>& catalogueFamilies() {
    static const std::vector<Family> families = {
        {1, {"0200", "0200C", "0201", "0202", "0203", "0204",         "0205", "0206",
             "0207", "0208",  "0209", "0210", "0211", "0212",         "0214", "0215",
             "0216", "0217",  "0218", "0225", "0226", "0227",         "0229", "0230",
             "0231", "0232",  "0233", "0234", "0235", kTopBottomEntry}},
        {2, {"0300", "0301", "0302", "0303", "0304", "0305", "0306", "0307",
             "0308", "0309", "0310", "0311", "0312", "0313", "0314", "0320",
             "0321", "0322", "0323", "0325", "0330", "0331", "0350", "0351"}},
        {3,
         {"0400", "0401", "0402", "0403", "0404", "0405", "0406", "0409", "0410", "0411", "0412",
          "0415", "0416", "0420", "0421", "0422", "0423", "0424", "0425", "0426", "0427", "0428",
          "0429", "0430", "0431", "0432", "0433", "0434", "0435", "0436", "0437", "0440", "0441",
          "0442", "0443", "0444", "0445", "0446", "0447", "0450", "0451", "0452", "0453", "0454",
          "0455", "0456", "0457", "0458", "0459", "0460", "0470", "0471", "0472", "0480", "0481"}},
        {4,
         {"0501", "0502", "0503", "0504", "0505", "0507", "0508", "0509", "0599", "0510", "0511",
          "0512"}},
        {5, {"0601", "0602", "0606", "0607", "0608", "0610", "0615", "0616", "0620", "0621"}},
        {6, {"0700", "0701", "0703", "0711", "0712", "0713", "0714", "0715", "0716", "0717",
             "0718", "0747", "0748", "0751", "0752", "0759", "0760", "0761", "0770", "0771"}},
        {7,
         {"0901", "0902", "0914 Int", "0914 Ext", "0920 Ext", "0933", "0951 Int", "0951 Ext",
          "0969", "0990", "0991"}},
    };
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
    for (const auto& shared : kShared) {
        if (codeText == shared.code)
            return {DispatchKind::Generator, shared.generator};
    }
    // "0951" is accepted when typed although the list shows "0951 Int".
    if (codeText == "0951")
        return {DispatchKind::Generator, "0951"};
    if (codeText != kTopBottomEntry && isListed(codeText)) {
        return {DispatchKind::Generator, codeText};
    }
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
    if (code == "0200c")
        code = "0200C";
    else if (code == "0951")
        code = "0951 Int";
    if (code == kTopBottomEntry)
        return std::nullopt;
    for (const Family& f : catalogueFamilies()) {
        const auto it = std::find(f.codes.begin(), f.codes.end(), code);
        if (it != f.codes.end())
            return CodePlace{f.number, static_cast<int>(it - f.codes.begin()) + 1};
    }
    return std::nullopt;
}

bool usesCreaseListLayout(double styleNumber) {
    return styleNumber == 990 || styleNumber == 991;
}

}  // namespace brontaxe
