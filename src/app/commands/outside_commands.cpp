#include "app/commands/outside_commands.h"

#include <QMenu>
#include <QMessageBox>
#include <filesystem>

#include "app/commands/process_wait.h"
#include "app/dialogs/pallet_assistant_dialog.h"
#include "app/dialogs/pallet_load_dialog.h"
#include "app/window/qt_text.h"
#include "app/window/string_pass.h"
#include "resources/string_table.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

constexpr int kPasteMessage = 1282;

}  // namespace

OutsideCommands::OutsideCommands(Workbench& wb, OutsideHost host, QObject* parent)
    : QObject(parent), wb_(wb), host_(std::move(host)), env_(platform::processEnvironment()) {}

tools::OutsidePrograms OutsideCommands::programs() const {
    return tools::readOutsidePrograms(wb_.settings());
}

void OutsideCommands::problem(const QString& text) {
    if (host_.fault)
        host_.fault(text);
    QMessageBox::warning(host_.window, QStringLiteral("Brontaxe"), text);
}

QMenu* OutsideCommands::addFoldingMenu(QMenu* parent, int captionEntry) {
    QMenu* menu = parent->addMenu(QString());
    menu->setObjectName("mnpliage");
    setStringEntry(menu, captionEntry);
    const std::pair<const char*, tools::Export3D> entries[] = {
        {"mnKorvane3D", tools::Export3D::Korvane3D},
        {"mn3dPresenter", tools::Export3D::Presenter3D},
        {"mnPliao", tools::Export3D::Pliao},
    };
    const char* captions[] = {"Korvane 3D", "3D Presenter", "Pliao"};
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        QAction* a = menu->addAction(QString::fromLatin1(captions[i]));
        a->setObjectName(entries[i].first);
        const tools::Export3D kind = entries[i].second;
        connect(a, &QAction::triggered, this, [this, kind] { export3D(kind); });
    }
    return menu;
}

void OutsideCommands::palletise() {
    Model& m = wb_.model();
    m.RepPalette = "c:\\korvane\\";
    m.TypePalette = 0;
    PalletLoadDialog choice(host_.window);
    choice.exec();
    m.TypePalette = static_cast<std::int16_t>(choice.loadKind());
    if (choice.loadKind() == pallet::LoadKind::None)
        return;
    PalletAssistantDialog assistant(wb_, choice.loadKind(),
                                    host_.styleText ? host_.styleText() : "",
                                    host_.preview ? host_.preview() : QPixmap(), host_.window);
    assistant.exec();
}

void OutsideCommands::runPalletisationProgram() {
    const tools::ProgramRun run = tools::stapelixRun(programs(), env_);
    QString why;
    if (runAndWait(host_.window, run.argv, QStringLiteral("Stapelix"), &why,
                   run.workingDirectory) == WaitOutcome::NotStarted)
        problem(why);
}

void OutsideCommands::export3D(tools::Export3D kind) {
    const tools::Export3DResult r = tools::export3D(wb_, kind, programs(), env_);
    if (host_.drawingChanged)
        host_.drawingChanged();
    if (r.problem)
        problem(qs(*r.problem));
    else if (host_.status)
        host_.status(QStringLiteral("Fichier d'échange écrit : %1").arg(qs(r.file.string())));
}

void OutsideCommands::openInCad() {
    if (host_.save)
        host_.save();
    const std::string name = host_.fileName ? host_.fileName() : std::string();
    if (tools::isPasteHandOver(name)) {
        QMessageBox::information(host_.window, QStringLiteral("Brontaxe -> KorGEOM"),
                                 qs(StringTable::builtIn().text(kPasteMessage)));
        if (host_.closeWindow)
            host_.closeWindow();
        return;
    }
    std::error_code ec;
    if (name.empty() || !std::filesystem::exists(name, ec)) {
        problem(QStringLiteral("Le dessin n'est pas enregistré : KorGEOM n'est pas lancé."));
        return;
    }
    if (auto failed = tools::openInKorGeom(programs(), name, env_))
        problem(qs(*failed));
}

void OutsideCommands::runCompressionCalculator() {
    const auto argv =
        tools::korRcvArguments(programs(), wb_.model(), wb_.boardTables().grades(), env_);
    QString why;
    if (runAndWait(host_.window, argv, QStringLiteral("KorRCV"), &why) == WaitOutcome::NotStarted)
        problem(why);
}

}  // namespace brontaxe::app
