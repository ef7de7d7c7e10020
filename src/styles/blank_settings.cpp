#include "styles/blank_settings.h"

#include <type_traits>

#include "builders/emit.h"
#include "model/model_choices.h"

namespace brontaxe {

static_assert(std::is_same_v<decltype(Model::PassesMachine), MachinePassTable>);

BlankSettings blankSettingsOf(const Model& m) {
    return {.thickness = m.EpaisseurCarton,
            .doubleWallBand = m.Dblmur,
            .slots = slotHalfWidths(m),
            .handHole = wallHandHoleOf(m),
            .pieces = pieceCutOf(m),
            .mirrored = m.Sym_Verticale,
            .profile = m.Personnalisation.profile()};
}

BodyGlueFlap glueFlapOf(const Model& m) {
    return {.width = m.lgPatte, .taper = m.anglPc, .extension = m.patProlong};
}

std::pair<float, float> slotHalfWidths(const Model& m) {
    return slotHalfWidths(SlotSettings{.width = m.encoche,
                                       .offset = m.decalenc,
                                       .halves = {.first = m.Majo[15], .second = m.Majo[16]}});
}

WallHandHole wallHandHoleOf(const Model& m) {
    return {
        .shape = {.type = handHoleKind(m), .length = m.LPoign, .height = m.HPoign, .tab = m.EPoign},
        .drop = m.DPoign};
}

PieceCut pieceCutOf(const Model& m) {
    return {.twoPieces = m.CaisseEn2, .fourPieces = fourPieces(m)};
}

void recordPasses(Model& m, const MachinePasses& passes) {
    passes.writeTo(m.PassesMachine);
}

void recordBlankPasses(Model& m, const MachinePasses& passes) {
    passes.writeTo(m.PassesMachine);
    if (m.Sym_Verticale)
        reverseMachinePasses(m.PassesMachine);
}

}  // namespace brontaxe
