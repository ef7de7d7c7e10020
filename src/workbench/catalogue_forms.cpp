#include "workbench/catalogue_forms.h"

#include <algorithm>

#include "workbench/catalogue.h"

namespace brontaxe {
namespace {

// Codes whose blank we drew without a construction to follow (a sample drawing at one size,
// an outline of our own) and whose style no published description was found for: a die-maker
// must not take them for the standard. Decided code by code; a code leaves this list when its
// form is drawn from a description.
constexpr std::string_view kUnconfirmed[] = {
    // Slotted: our own second halves and whole blanks, and the six sample drawings.
    "0207", "0208", "0211", "0217", "0218", "0225", "0226", "0227", "0229",
    // Telescope: two sample drawings.
    "0322", "0323",
    // Folders and trays: outlines of our own, "as 0427" without its points, sample drawings.
    "0412", "0421", "0424", "0426", "0428", "0429", "0430", "0432", "0433", "0435", "0436", "0437",
    "0442", "0443", "0444", "0445", "0446", "0447", "0459", "0470", "0480", "0481",
    // Slide: the pairings of rings no description names, and the two inline drawers.
    "0507", "0508", "0510", "0511", "0512",
    // Rigid: the one-piece outlines and the own lines of the two bodies.
    "0606", "0608", "0620", "0621",
    // Ready-glued: sample drawings.
    "0703", "0715", "0716", "0717", "0747", "0748", "0751", "0752", "0759", "0760", "0761", "0770",
    "0771",
    // Fittings: the cross divider.
    "0933"};

// Codes drawn on another listed code's blank by a generator of their own, or folded
// otherwise from the same blank. Codes that the dispatch sends to another code's generator
// share that code's blank without a row here.
struct SameBlank {
    std::string_view code;
    std::string_view blankOf;
    std::string_view except;
};

constexpr SameBlank kSameBlank[] = {
    {"0200C", "0200", "poignées jamais dessinées"},
    // Folders and trays.
    {"0444", "0434", "rabats d'angle collés à l'extérieur"},
    {"0453", "0450", "rabats d'angle collés à l'extérieur"},
};

bool isListed(std::string_view code) {
    return std::ranges::any_of(catalogueFamilies(), [code](const Family& f) {
        return std::ranges::find(f.codes, code) != f.codes.end();
    });
}

// The list entry of a typed code ("0200c" is listed as "0200C"), or the code itself.
std::string_view listedEntry(std::string_view code) {
    const auto place = findCodeInCatalogue(code);
    if (!place)
        return code;
    const Family* family = findFamily(place->family);
    return family->codes[static_cast<std::size_t>(place->module - 1)];
}

}  // namespace

StyleForm styleForm(std::string_view code) {
    if (!findCodeInCatalogue(code))
        return {};
    const std::string_view entry = listedEntry(code);
    StyleForm form;
    form.confirmed = std::ranges::find(kUnconfirmed, entry) == std::end(kUnconfirmed);
    const auto* same = std::ranges::find(kSameBlank, entry, &SameBlank::code);
    if (same != std::end(kSameBlank)) {
        form.sameBlankAs = same->blankOf;
        form.except = same->except;
        return form;
    }
    const DispatchTarget target = dispatchCode(entry, false, 0, 0);
    if (target.kind == DispatchKind::Generator && target.generatorCode != entry &&
        isListed(target.generatorCode))
        form.sameBlankAs = target.generatorCode;
    return form;
}

std::string formNote(std::string_view code) {
    const StyleForm form = styleForm(code);
    std::string note;
    if (!form.confirmed)
        note = kFormUnconfirmed;
    if (!form.sameBlankAs.empty()) {
        if (!note.empty())
            note += ", ";
        note += "même découpe que ";
        note += form.sameBlankAs;
        if (!form.except.empty()) {
            note += ", ";
            note += form.except;
        }
    }
    return note;
}

std::vector<std::string_view> unconfirmedCodes() {
    std::vector<std::string_view> codes;
    for (const Family& family : catalogueFamilies())
        for (std::string_view code : family.codes)
            if (!styleForm(code).confirmed)
                codes.push_back(code);
    return codes;
}

}  // namespace brontaxe
