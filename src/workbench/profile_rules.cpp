#include "workbench/profile_rules.h"

#include "platform/number_text.h"
#include "platform/rounding.h"
#include "styles/style_records.h"

namespace brontaxe {

void applyQlxRules(Model& m) {
    m.NumModele = roundToInt16(platform::leadingNumber(m.CodeModele)).value_or(0);
    const float t = m.EpaisseurCarton;
    const bool tall = m.Hauteur >= 800;
    if (t >= 0 && t <= 3) {
        m.lgPatte = tall ? 35 : 30;
    } else if (t > 3 && t <= 7) {
        m.lgPatte = tall ? 40 : 35;
    } else if (t > 7) {
        m.lgPatte = 50;
    }
    const StyleRecord* style = findStyleRecordByNumber(m.NumModele);
    const ProfileOverlap overlap = style ? style->profileOverlap : ProfileOverlap::None;
    if (overlap == ProfileOverlap::BySize) {
        if (m.Longueur > 400 || m.Largeur > 400) {
            m.hrecouvr = 60;
        } else if (m.Longueur > 300 || m.Largeur > 300) {
            m.hrecouvr = 45;
        } else {
            m.hrecouvr = 30;
        }
    } else if (overlap == ProfileOverlap::Fixed) {
        m.hrecouvr = 30;
    }
}

void applyProfileRules(Model& m) {
    if (m.Personnalisation == CustomerProfile::Qlx)
        applyQlxRules(m);
}

}  // namespace brontaxe
