#include "model/model_choices.h"

namespace brontaxe {

HandHoleKind handHoleKind(const Model& m) {
    switch (m.OptionPoign) {
        case 1:
            return HandHoleKind::Cut;
        case 2:
            return HandHoleKind::CreasedUpperEdge;
        case 3:
            return HandHoleKind::FoldingTab;
        default:
            return HandHoleKind::None;
    }
}

bool hasHingedUpperEdge(HandHoleKind k) {
    return k == HandHoleKind::CreasedUpperEdge || k == HandHoleKind::FoldingTab;
}

FourPieces fourPieces(const Model& m) {
    switch (m.CaisseEn4) {
        case 1:
            return FourPieces::FirstPanel;
        case 2:
            return FourPieces::SecondPanel;
        case 3:
            return FourPieces::LoosePanel;
        case 4:
            return FourPieces::GluedBothEnds;
        default:
            return FourPieces::None;
    }
}

bool keepsSecondPanel(FourPieces f) {
    return f == FourPieces::SecondPanel || f == FourPieces::GluedBothEnds;
}

}  // namespace brontaxe
