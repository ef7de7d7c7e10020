#include "styles/style_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "styles/02/fco200_rules.h"
#include "styles/03/fco300_rules.h"
#include "styles/04/fco400_rules.h"
#include "styles/04/fco420.h"
#include "styles/05/fco500_rules.h"
#include "styles/05/fco500_sizes.h"
#include "styles/06/fco600_rules.h"
#include "styles/07/fco700_rules.h"
#include "styles/top_bottom/architecture.h"

namespace brontaxe {
namespace {

// One line a code. Codes without a line are held to positive sizes only.
constexpr StyleDomain kSlotted{.extra = &glueFlapRule};
constexpr StyleDomain kHalfWidthFlaps{.widthAtMostLength = true, .extra = &glueFlapRule};
constexpr StyleDomain kSlotRequired{.extra = &slotRequiredRule};
constexpr StyleDomain kHalfWidthSlotRequired{.widthAtMostLength = true, .extra = &slotRequiredRule};
constexpr StyleDomain kWrap{.extra = &wrapDomainRule};
constexpr StyleDomain kTuck{.extra = &tuckRule};
constexpr StyleDomain kCover{.extra = &coverRule};
constexpr StyleDomain kHalfWidthTuck{.widthAtMostLength = true, .extra = &tuckRule};
constexpr StyleDomain kCarry{.extra = &carryRule};
constexpr StyleDomain kHalfWidthCarry{.widthAtMostLength = true, .extra = &carryRule};
constexpr StyleDomain kHalfWidthWrap{.widthAtMostLength = true, .extra = &wrapDomainRule};
// Telescope boxes: the lid goes over the bottom.
constexpr StyleDomain kTrays{.extra = &trayLidRule};
constexpr StyleDomain kSleeveCaps{.extra = &sleeveCapRule};
constexpr StyleDomain kBodyCaps{.widthAtMostLength = true, .extra = &bodyCapRule};
constexpr StyleDomain kSlottedLids{.widthAtMostLength = true, .extra = &slottedLidRule};
constexpr StyleDomain kGluedCase{.extra = &gluedCaseRule};
constexpr StyleDomain kGluedHalfWidthFlaps{.widthAtMostLength = true, .extra = &gluedCaseRule};
constexpr StyleDomain kLiddedGluedCase{.extra = &liddedGluedCaseRule};
constexpr StyleDomain kLockTable{.extra = &lockTableRule};
constexpr StyleDomain kGlueTray{.extra = &glueTrayRule};
// Slide boxes: the inner ring slides in the outer one.
constexpr StyleDomain kSlide0504{
    .extra = [](const Model& m) { return slideFitRefusal(m, "0504"); }};
constexpr StyleDomain kSlide0505{
    .extra = [](const Model& m) { return slideFitRefusal(m, "0505"); }};
constexpr StyleDomain kSlide0507{
    .extra = [](const Model& m) { return slideFitRefusal(m, "0507"); }};
constexpr StyleDomain kSlide0508{
    .extra = [](const Model& m) { return slideFitRefusal(m, "0508"); }};
constexpr StyleDomain kSlide0510{
    .extra = [](const Model& m) { return slideFitRefusal(m, "0510"); }};

const std::array kRules{
    StyleRules{"0200", kHalfWidthFlaps, &regularFolds},
    StyleRules{"0200C", kHalfWidthFlaps, &regularFolds},
    StyleRules{"0201", kHalfWidthFlaps, &regularFolds},
    StyleRules{"0202", {.extra = &rule0202}, &overlappingFolds},
    StyleRules{"0203", kSlotted, nullptr},
    StyleRules{"0204", kSlotted, &centreSpecialFolds},
    StyleRules{"0205", {.widthAtMostLength = true, .extra = &rule0205}, &folds0205},
    StyleRules{"0206", kSlotted, nullptr},
    StyleRules{"0207", kHalfWidthSlotRequired, &regularFolds},
    StyleRules{"0208", kCover, nullptr},
    StyleRules{"0209", kHalfWidthFlaps, &regularFolds},
    StyleRules{"0210", kTuck, nullptr},
    StyleRules{"0211", kTuck, nullptr},
    StyleRules{"0212", kHalfWidthTuck, &folds0212},
    StyleRules{"0214", {.widthAtMostLength = true, .extra = &rule0214}, &regularFolds},
    StyleRules{"0215", kTuck, nullptr},
    StyleRules{"0216", kHalfWidthFlaps, &regularFolds},
    StyleRules{"0217", kCarry, nullptr},
    StyleRules{"0218", kHalfWidthCarry, &regularFolds},
    StyleRules{"0225", kSlotted, nullptr},
    StyleRules{"0226", kSlotRequired, nullptr},
    StyleRules{"0227", kSlotRequired, nullptr},
    StyleRules{"0229", kHalfWidthSlotRequired, &regularFolds},
    StyleRules{"0230", kHalfWidthWrap, nullptr},
    StyleRules{"0231", kHalfWidthWrap, nullptr},
    StyleRules{"0232", kSlotted, nullptr},
    StyleRules{"0233", kSlotted, nullptr},
    StyleRules{"0234", kWrap, nullptr},
    StyleRules{"0235", kWrap, nullptr},
    StyleRules{"0300", kTrays, nullptr},
    StyleRules{"0301", kTrays, nullptr},
    StyleRules{"0302", kTrays, nullptr},
    StyleRules{"0303", kTrays, nullptr},
    StyleRules{"0304", {.extra = &grownLidRule}, nullptr},
    StyleRules{"0306", kTrays, nullptr},
    StyleRules{"0307", kTrays, nullptr},
    StyleRules{"0308", kTrays, nullptr},
    StyleRules{"0309", {.extra = &webbedTrayRule}, nullptr},
    StyleRules{"0310", kSleeveCaps, nullptr},
    StyleRules{"0311", kSleeveCaps, nullptr},
    StyleRules{"0312", kBodyCaps, nullptr},
    StyleRules{"0313", kBodyCaps, nullptr},
    StyleRules{"0314", kSleeveCaps, nullptr},
    StyleRules{"0320", kSlottedLids, &regularFolds},
    StyleRules{"0321", {.widthAtMostLength = true, .extra = &handHoleBodyRule}, nullptr},
    StyleRules{"0322", kSlottedLids, &regularFolds},
    StyleRules{"0323", kSlottedLids, &regularFolds},
    StyleRules{"0325", kSlottedLids, &regularFolds},
    StyleRules{"0330", {.extra = &markedLidRule}, nullptr},
    StyleRules{"0331", {.extra = &doubleWallLidRule}, nullptr},
    StyleRules{"0350", {.extra = &bandTrayRule}, nullptr},
    StyleRules{"0351", {.extra = &octagonalLidRule}, nullptr},
    StyleRules{"0400", {}, nullptr},
    StyleRules{"0401", {}, &folds0401},
    StyleRules{"0402", {}, &folds0402},
    StyleRules{"0403", {}, &folds0403},
    StyleRules{"0404", {}, &folds0404},
    StyleRules{"0405", {}, &folds0405},
    StyleRules{"0406", {.extra = &wrapFolderDomainRule}, nullptr},
    StyleRules{"0409", {.extra = &wrapFolderDomainRule}, &foldsWrap},
    StyleRules{"0410", {.extra = &domain0410}, &folds0410},
    StyleRules{"0411", {.extra = &domain0411}, &folds0411},
    StyleRules{"0415", {}, &folds0415},
    StyleRules{"0420", {.extra = &rule0420}, nullptr},
    StyleRules{"0421", {.extra = &rule0421}, nullptr},
    StyleRules{"0422", {.extra = &rule0422}, nullptr},
    StyleRules{"0423", {.extra = &rule0423}, nullptr},
    StyleRules{"0424", {.extra = &rule0424}, nullptr},
    StyleRules{"0425", {.extra = &rule0425}, nullptr},
    StyleRules{"0426", {.extra = &rule0426}, nullptr},
    StyleRules{"0427", {.extra = &rule0427}, nullptr},
    StyleRules{"0429", {.extra = &rule0429}, nullptr},
    StyleRules{"0430", {.extra = &thumbNotchRule0443}, nullptr},
    StyleRules{"0432", {.extra = &thumbNotchRule0443}, nullptr},
    StyleRules{"0441", {.extra = &rule0441}, nullptr},
    StyleRules{"0442", {}, &foldsEndFlapTray},
    StyleRules{"0443", {.extra = &thumbNotchRule0443}, nullptr},
    StyleRules{"0450", {}, &foldsGluedTray},
    StyleRules{"0457", {}, &folds0457},
    StyleRules{"0458", {}, &foldsGluedTray},
    StyleRules{"0470", {.extra = &rule0470}, nullptr},
    StyleRules{"0471", {.extra = &rule0471}, nullptr},
    StyleRules{"0472", {}, &folds0472},
    StyleRules{"0481", {.extra = &thumbNotchRule0481}, nullptr},
    StyleRules{"0504", kSlide0504, nullptr},
    StyleRules{"0505", kSlide0505, nullptr},
    StyleRules{"0507", kSlide0507, nullptr},
    StyleRules{"0508", kSlide0508, nullptr},
    StyleRules{"0509", {.extra = &rule0509}, nullptr},
    StyleRules{"0510", kSlide0510, nullptr},
    StyleRules{"0511", {.extra = &rule0511}, &folds0511},
    StyleRules{"0512", {.extra = &rule0512}, &folds0512},
    StyleRules{"0601", {.extra = &rule0601}, nullptr},
    StyleRules{"0602", {.extra = &rule0601}, nullptr},
    StyleRules{"0606", {.extra = &rule0606}, &folds0606},
    StyleRules{"0607", {.extra = &sideFlapRule}, nullptr},
    StyleRules{"0608", {.extra = &sideFlapRule}, nullptr},
    StyleRules{"0615", {.extra = &sideFlapRule}, nullptr},
    StyleRules{"0616", {.extra = &sideFlapRule}, nullptr},
    StyleRules{"0620", {.extra = &sideFlapRule}, nullptr},
    StyleRules{"0621", {.extra = &rule0621}, nullptr},
    StyleRules{"0700", kGluedCase, nullptr},
    StyleRules{"0701", kLockTable, nullptr},
    StyleRules{"0703", kGluedCase, nullptr},
    StyleRules{"0711", kLockTable, nullptr},
    StyleRules{"0712", kGluedHalfWidthFlaps, &regularFolds},
    StyleRules{"0713", kLiddedGluedCase, nullptr},
    StyleRules{"0714", kGluedCase, nullptr},
    StyleRules{"0715", kGlueTray, nullptr},
    StyleRules{"0716", kGlueTray, nullptr},
    StyleRules{"0717", kGlueTray, nullptr},
    StyleRules{"0718", kGlueTray, nullptr},
    StyleRules{"0747", kGluedCase, &centreSpecialFolds},
    StyleRules{"0748", {.extra = &rule0748}, &overlappingFolds},
    StyleRules{"0751", kLiddedGluedCase, nullptr},
    StyleRules{"0752", kGluedCase, nullptr},
    StyleRules{"0759", kGlueTray, nullptr},
    StyleRules{"0760", kGlueTray, nullptr},
    StyleRules{"0761", kGlueTray, nullptr},
    StyleRules{"0770", kGluedCase, nullptr},
    StyleRules{"0771", kGluedHalfWidthFlaps, &regularFolds},
    StyleRules{"/", {.extra = &architectureRule}, nullptr},
};

std::string mm(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    std::string s(buf);
    std::replace(s.begin(), s.end(), '.', ',');
    return s + " mm";
}

std::optional<std::string> belowMinimum(const char* name, float value, float minimum) {
    if (minimum > 0 && value < minimum)
        return std::string(name) + " trop petite : " + mm(value) + ", ce modèle demande au moins " +
               mm(minimum);
    return std::nullopt;
}

}  // namespace

const StyleRules* findStyleRules(std::string_view code) {
    // Looked up at every regeneration and every check: by halves, in the table sorted once.
    static const std::vector<const StyleRules*> byCode = [] {
        std::vector<const StyleRules*> out;
        for (const StyleRules& r : kRules)
            out.push_back(&r);
        std::sort(out.begin(), out.end(),
                  [](const StyleRules* a, const StyleRules* b) { return a->code < b->code; });
        return out;
    }();
    const auto it =
        std::lower_bound(byCode.begin(), byCode.end(), code,
                         [](const StyleRules* r, std::string_view c) { return r->code < c; });
    return it != byCode.end() && (*it)->code == code ? *it : nullptr;
}

std::optional<std::string> domainRefusal(std::string_view code, const Model& m) {
    for (auto [name, value] : {std::pair{"Longueur", m.Longueur}, std::pair{"Largeur", m.Largeur},
                               std::pair{"Hauteur", m.Hauteur}}) {
        if (!std::isfinite(value) || value <= 0)
            return std::string("Dimension impossible : ") + name + " " + mm(value) +
                   ", elle doit être positive";
    }
    const StyleRules* rules = findStyleRules(code);
    if (!rules)
        return std::nullopt;
    const StyleDomain& d = rules->domain;
    if (auto r = belowMinimum("Longueur", m.Longueur, d.minLength))
        return r;
    if (auto r = belowMinimum("Largeur", m.Largeur, d.minWidth))
        return r;
    if (auto r = belowMinimum("Hauteur", m.Hauteur, d.minHeight))
        return r;
    if (d.widthAtMostLength && m.Largeur > m.Longueur)
        return "Largeur supérieure à la longueur : " + mm(m.Largeur) + " pour " + mm(m.Longueur) +
               " ; les rabats de ce modèle se replient sur la longueur et demandent une largeur "
               "au plus égale à la longueur";
    if (d.extra)
        return d.extra(m);
    return std::nullopt;
}

std::vector<FoldPair> declaredFolds(std::string_view code, const Model& m) {
    const StyleRules* rules = findStyleRules(code);
    if (!rules || !rules->folds)
        return {};
    return rules->folds(m);
}

}  // namespace brontaxe
