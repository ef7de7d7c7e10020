#include "board/allowance_lookup.h"

#include "platform/number_text.h"
#include "platform/rounding.h"
#include "styles/style_records.h"

namespace brontaxe {

std::int16_t styleNumber(std::string_view codeBox, const Model& m) {
    if (codeBox.find('/') != std::string_view::npos)
        return m.TypeDessus != 0 ? m.TypeDessus : m.TypeDessous;
    return roundToInt16(platform::leadingNumber(codeBox)).value_or(0);
}

bool multiPieceAllowed(std::int16_t style, std::int16_t bottomStyle) {
    const StyleRecord* top = findStyleRecordByNumber(style);
    // A number below the first code is no bottom style at all.
    const StyleRecord* bottom = findStyleRecordByNumber(bottomStyle);
    const bool bottomAllowed = bottomStyle < 200 || (bottom && bottom->allowances.multiPieceBottom);
    return top && top->allowances.multiPiece && bottomAllowed;
}

bool lookUpAllowances(Model& m, const BoardTables& tables, std::string_view codeBox,
                      int selectedGrade) {
    m.NumModele = styleNumber(codeBox, m);
    m.CodeModele = platform::numberTextBlank(m.NumModele);

    const bool multiPiece = multiPieceAllowed(m.NumModele, m.TypeDessous);
    if (!multiPiece) {
        m.CaisseEn2 = false;
        m.CaisseEn4 = 0;
    }

    // A list holds at most kMaxGrades entries; anything else is no selection.
    const int grade = selectedGrade > 0 && selectedGrade <= kMaxGrades ? selectedGrade : 0;
    if (grade > 0)
        m.NumQualite = static_cast<std::int16_t>(grade);
    m.EpaisseurCarton = tables.gradeThickness(grade);
    m.Dblmur = tables.gradeDoubleWall(grade);
    const int exact = tables.findAllowances(m.NumModele, static_cast<std::int16_t>(grade),
                                            m.EpaisseurCarton, m.Majo);
    m.allowanceRecordCode = exact != 0 ? m.NumModele : std::int16_t{0};
    m.MajoDessous.fill(0);
    if (codeBox.find('/') != std::string_view::npos && m.TypeDessous > 0)
        tables.findAllowances(m.TypeDessous, static_cast<std::int16_t>(grade), m.EpaisseurCarton,
                              m.MajoDessous);
    m.hmortaise = m.Dblmur + m.EpaisseurCarton;
    m.htenon = m.EpaisseurCarton;
    return multiPiece;
}

std::optional<std::string> allowanceLookupNotice(const BoardTables& tables, std::int16_t code,
                                                 int grade) {
    const AllowanceTable& t = tables.allowances();
    if (grade <= 0 || t.count() == 0)
        return std::nullopt;
    // A family the table has no record of uses no allowances, or its own (the fittings).
    bool tabled = false;
    for (int slot = 1; slot <= t.count() && !tabled; ++slot)
        tabled = t.at(slot).code / 100 == code / 100;
    if (!tabled)
        return std::nullopt;
    const int exact = t.find(code, static_cast<std::int16_t>(grade));
    // Pads and the cross divider are cut to the inside sizes: their own record of zeros is
    // what they draw with, not a record left empty.
    const StyleRecord* style = findStyleRecordByNumber(code);
    const bool takesNoAllowance = style && style->allowances.takesNone;
    if (exact != 0) {
        const AllowanceValues& v = t.at(exact).values;
        if (v[1] != 0 || v[2] != 0 || v[3] != 0 || takesNoAllowance)
            return std::nullopt;
    }
    const std::string pair = "Pas de majorations pour le code " +
                             platform::formatNumber(code, "0000") + " en qualité " +
                             std::to_string(grade) + " dans " + std::string(kAllowanceFileName);
    const int other = t.findScalable(code);
    if (other == 0)
        return pair + " : dessin sans les majorations de la table";
    return pair + " : celles de la qualité " + std::to_string(t.at(other).grade) +
           ", mises à l'échelle de l'épaisseur";
}

}  // namespace brontaxe
