#include "styles/05/fco500_rules.h"

namespace brontaxe {

std::optional<std::string> rule0511(const Model& m) {
    const GluedDrawer s = gluedDrawer(m);
    if (!(s.glue > 0))
        return std::string(
            "Largeur trop petite : les pattes de collage des coins ne tiennent "
            "pas sur la moitié du fond, épaisseur du carton déduite");
    return std::nullopt;
}

std::optional<std::string> rule0512(const Model& m) {
    const SlottedDrawer s = slottedDrawer(m);
    if (!(s.A - s.a > 0) || !(s.h - s.b > 0))
        return std::string(
            "Encoche trop large : elle doit rester plus étroite que la moitié "
            "du fond et que la hauteur des parois");
    if (!(s.flap - s.b > 0))
        return std::string(
            "Longueur trop petite : les rabats des coins ne tiennent pas "
            "sur la moitié de la paroi");
    return std::nullopt;
}

std::vector<FoldPair> folds0511(const Model& m) {
    const GluedDrawer s = gluedDrawer(m);
    return {
        {"pattes de collage d'une paroi de bout", s.glue, s.glue, 2 * s.B, FoldFit::NoCollision}};
}

std::vector<FoldPair> folds0512(const Model& m) {
    const SlottedDrawer s = slottedDrawer(m);
    return {
        {"rabats des coins d'une paroi de côté", s.flap, s.flap, 2 * s.A, FoldFit::NoCollision}};
}

}  // namespace brontaxe
