#include "mainwindow/workbench.h"

#include "model/model_init.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace brontaxe {

Workbench::Workbench(platform::PrivateProfile settings, GeneratorLookup lookup)
    : settings_(std::move(settings)), lookup_(lookup) {}

void Workbench::startUp() {
    model_ = Model{};
    model_.BloqueModif = true;
    setStartupValues(model_);
    model_.CodeModele = "0201";
    Init(model_, ParameterFile(settings_));
    drawingFileName_ = "paramQMT.des";
    model_.BloqueModif = false;
}

RegenerationReport Workbench::Modifier() {
    RegenerationReport report;
    if (model_.BloqueModif)
        return report;
    model_.NbLignes = 0;
    model_.PassesMachine.fill(0);
    model_.NumModele = roundToInt16(platform::leadingNumber(model_.CodeModele)).value_or(0);

    const Generator generate = lookup_(model_.CodeModele);
    if (!generate) {
        drawing_.ClearDrawing();
        report.message = "Modèle non disponible : " + model_.CodeModele;
    } else {
        model_.GenEnCours = true;
        try {
            generate(model_, drawing_);
            report.drawn = true;
        } catch (const GenerationError& e) {
            report.message = e.what();
        }
        model_.GenEnCours = false;
    }
    measure();
    return report;
}

void Workbench::measure() {
    model_.HorsToutX = drawing_.BlankSizeX();
    model_.HorsToutY = drawing_.BlankSizeY();
    drawing_.BeginDrawing();
    model_.LgCoupant = static_cast<float>(drawing_.KindLength(kind::Cut, -1, -1));
    model_.LgPerfoRainant = static_cast<float>(drawing_.KindLength(kind::PerforatedCrease, -1, -1));
    model_.LgPerfo = static_cast<float>(drawing_.KindLength(kind::Perforation, -1, -1));
    model_.LgMiChair = static_cast<float>(drawing_.KindLength(kind::HalfCut, -1, -1));
    model_.LgRainant = static_cast<float>(drawing_.KindLength(kind::Crease, -1, -1));
    drawing_.EndDrawing();
    model_.LgTotal = model_.LgCoupant + model_.LgPerfoRainant + model_.LgPerfo + model_.LgMiChair +
                     model_.LgRainant;
}

}  // namespace brontaxe
