#include "workbench/catalogue_forms.h"

#include <algorithm>

#include "styles/style_records.h"
#include "workbench/catalogue.h"

namespace brontaxe {
StyleForm styleForm(std::string_view code) {
    const StyleRecord* r = findStyleRecord(code);
    if (!r || !findCodeInCatalogue(code))
        return {};
    // A code drawn by another's generator shares that code's blank.
    return {.confirmed = r->confirmed,
            .sameBlankAs = r->sameBlankAs.empty() ? r->drawnBy : r->sameBlankAs,
            .except = r->except};
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
