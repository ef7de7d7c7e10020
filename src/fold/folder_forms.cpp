#include "fold/folder_forms.h"

#include <algorithm>

namespace brontaxe::fold {
namespace {

struct FolderForm {
    std::string_view code;
    std::vector<PieceShape> pieces;
};

// A tray: the base and four walls, open at the top.
constexpr PieceShape kTray{.form = PieceForm::OpenTop, .onBase = true};
// A folder closed by its lid or its cover flaps.
constexpr PieceShape kFolder{.form = PieceForm::ClosedBox, .onBase = true};
// A box wrapped round on a slotted body: its panels side by side go round the length, not
// round the height as a case's walls do, and it stands on its bottom panel.
constexpr PieceShape kWrapped{.form = PieceForm::ClosedBox, .onBase = true};
// A display tray: its front wall cut down to show the contents, the base and three walls.
constexpr PieceShape kDisplayTray{.form = PieceForm::Display, .onBase = true};
// One of two crossed bands: round the box one way, open at its two ends.
constexpr PieceShape kBand{.form = PieceForm::Tube, .onBase = true};
// An end piece of a wrap: the end of the box and a flap along each of its long sides.
constexpr PieceShape kEndPiece{.form = PieceForm::Channel,
                               .length = Size::Width,
                               .width = Size::Height,
                               .height = Size::Own,
                               .onBase = true};

const std::vector<FolderForm>& folderForms() {
    static const std::vector<FolderForm> forms = {
        {"0400", {kTray}},    {"0401", {kFolder}},      {"0402", {kFolder}},
        {"0403", {kFolder}},  {"0404", {kBand, kBand}}, {"0405", {kBand, kEndPiece, kEndPiece}},
        {"0406", {kWrapped}}, {"0409", {kWrapped}},     {"0410", {kWrapped}},
        {"0411", {kWrapped}}, {"0412", {kTray}},        {"0415", {kFolder}},
        {"0416", {kFolder}},  {"0420", {kFolder}},      {"0421", {kFolder}},
        {"0422", {kTray}},    {"0423", {kTray}},        {"0424", {kTray}},
        {"0425", {kTray}},    {"0426", {kFolder}},      {"0427", {kFolder}},
        {"0428", {kFolder}},  {"0429", {kFolder}},      {"0430", {kFolder}},
        {"0431", {kTray}},    {"0432", {kFolder}},      {"0433", {kFolder}},
        {"0434", {kTray}},    {"0435", {kTray}},        {"0436", {kTray}},
        {"0437", {kTray}},    {"0440", {kFolder}},      {"0441", {kFolder}},
        {"0442", {kTray}},    {"0443", {kFolder}},      {"0444", {kTray}},
        {"0445", {kTray}},    {"0446", {kTray}},        {"0447", {kTray}},
        {"0450", {kTray}},    {"0451", {kTray}},        {"0452", {kTray}},
        {"0453", {kTray}},    {"0454", {kTray}},        {"0455", {kTray}},
        {"0456", {kTray}},    {"0457", {kTray}},        {"0458", {kTray}},
        {"0459", {kTray}},    {"0460", {kDisplayTray}}, {"0470", {kTray}},
        {"0471", {kFolder}},  {"0472", {kTray}},        {"0480", {kFolder}},
        {"0481", {kFolder}},
    };
    return forms;
}

}  // namespace

std::optional<std::vector<PieceShape>> declaredFolderPieces(std::string_view code) {
    const auto& forms = folderForms();
    const auto it = std::find_if(forms.begin(), forms.end(),
                                 [&](const FolderForm& f) { return f.code == code; });
    if (it == forms.end())
        return std::nullopt;
    return it->pieces;
}

}  // namespace brontaxe::fold
