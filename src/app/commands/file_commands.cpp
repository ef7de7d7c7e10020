#include "app/commands/file_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolBar>
#include <cctype>

#include "app/commands/die_line_opening.h"
#include "app/dialogs/write_progress_dialog.h"
#include "app/window/main_window.h"
#include "app/window/qt_text.h"
#include "io/die_line_import.h"
#include "io/file_format.h"
#include "platform/paths.h"
#include "workbench/design_file.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultName = "paramQMT";
constexpr const char* kDefaultFile = "paramQMT.des";

fs::path toPath(const QString& s) {
    return fs::path(s.toStdString());
}

// "c:\korvane\x.des" or "dessins\x.des": a name written the program's Windows way.
bool isWindowsPath(const std::string& name) {
    const bool drive =
        name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
    return drive || name.find('\\') != std::string::npos;
}

// The save dialog's filters: the formats in the order of the program's filter, every format
// written, so that each can be chosen.
QStringList saveFilters() {
    QStringList filters;
    for (const io::FileFormat& f : io::fileFormats())
        filters << QString::fromUtf8(f.caption.data(), static_cast<qsizetype>(f.caption.size()));
    return filters;
}

// "Adobe PDF (*.pdf)" gives "pdf".
QString extensionOfFilter(const QString& filter) {
    const qsizetype star = filter.indexOf("*.");
    if (star < 0)
        return {};
    const qsizetype end = filter.indexOf(')', star);
    return filter.mid(star + 2, end < 0 ? -1 : end - star - 2);
}

bool askOverwrite(QWidget* parent, const fs::path& path) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Enregistrer Dessin Korvane"),
                    QStringLiteral("%1 existe déjà.\nVoulez-vous le remplacer ?")
                        .arg(qs(path.filename().string())),
                    QMessageBox::NoButton, parent);
    box.setObjectName("overwriteQuestion");
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

// The same file whatever the way it is named.
fs::path sameFile(const fs::path& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec);
    return ec ? fs::absolute(path, ec) : canonical;
}

}  // namespace

FileCommands::FileCommands(MainWindow& window, Workbench& wb)
    : QObject(&window), window_(window), wb_(wb), recent_(wb.settings()) {}

FileCommands::~FileCommands() = default;

fs::path FileCommands::drawingsFolder() const {
    return platform::mapWindowsPath("c:\\korvane", platform::processEnvironment());
}

QString FileCommands::designTitle() const {
    const std::string stem = savePath().stem().string();
    return stem.empty() ? QString::fromLatin1(kDefaultName) : qs(stem);
}

// The folder of the design's file, else of the drawing opened or saved last (in this run or
// an earlier one), else the drawings folder, else the user's documents: never the folder the
// program happened to be started from.
fs::path FileCommands::designFolder() const {
    std::error_code ec;
    const fs::path lastRun =
        recent_.files().empty() ? fs::path() : fs::path(recent_.files().front()).parent_path();
    const fs::path documents =
        toPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    for (const fs::path& folder :
         {savePath().parent_path(), lastFolder_, lastRun, drawingsFolder(), documents}) {
        if (!folder.empty() && fs::is_directory(folder, ec))
            return folder;
    }
    return toPath(QDir::homePath());
}

fs::path FileCommands::savePath() const {
    const std::string& name = window_.fileName();
    if (name.empty())
        return drawingsFolder() / kDefaultFile;
    if (isWindowsPath(name))
        return platform::mapWindowsPath(name, platform::processEnvironment());
    const fs::path path(name);
    return path.has_parent_path() ? path : drawingsFolder() / path;
}

// The technical sheet's answers are part of what a save keeps.
bool FileCommands::isModified() const {
    return saved_ && (*saved_ != designRecord(wb_) || savedSheet_ != wb_.drawing().sheetFields());
}

void FileCommands::designShown() {
    if (!saved_) {
        saved_ = designRecord(wb_);  // start-up: the design on show is the reference
        savedSheet_ = wb_.drawing().sheetFields();
    }
    if (baseTitle_.isEmpty())
        baseTitle_ = window_.windowTitle();
    const QString name = QFileInfo(qs(window_.fileName())).fileName();
    window_.setWindowTitle(QStringLiteral("%1 - %2[*]").arg(baseTitle_, name));
    window_.setWindowModified(isModified());
}

void FileCommands::showFailure(const QString& message) {
    QMessageBox box(QMessageBox::Warning, baseTitle_.isEmpty() ? window_.windowTitle() : baseTitle_,
                    message, QMessageBox::Ok, &window_);
    box.setObjectName("fileFailure");
    box.exec();
}

bool FileCommands::saveTo(const fs::path& path) {
    // The drawing of a file without its design is not what the model would draw: it is saved
    // as it stands, without a design that would draw something else when opened.
    const bool fixed = fixedAt_ && *fixedAt_ == window_.regenerationCount();
    WriteProgressDialog writing(&window_, qs(path.filename().string()),
                                wb_.drawing().ElementCount());
    const io::FileResult r = saveDesign(wb_, path, !fixed, writing.progress());
    writing.dialog().reset();
    if (!r.ok) {
        showFailure(qs(r.message));
        return false;
    }
    return true;
}

bool FileCommands::isOwnFile(const fs::path& path) const {
    return ownFiles_.contains(sameFile(path));
}

void FileCommands::ownFile(const fs::path& path) {
    ownFiles_.insert(sameFile(path));
}

bool FileCommands::mayReplace(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec) || isOwnFile(path))
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Enregistrer Dessin Korvane"),
                    QStringLiteral("Remplacer le fichier %1 ?").arg(qs(path.string())),
                    QMessageBox::NoButton, &window_);
    box.setObjectName("replaceQuestion");
    box.setInformativeText(
        QStringLiteral("Ce fichier existe déjà, et Brontaxe ne l'a ni ouvert ni enregistré depuis "
                       "son lancement : le dessin en cours le remplacerait."));
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() == yes)
        return true;
    window_.say(QStringLiteral("Dessin non enregistré : %1 existe déjà").arg(qs(path.string())));
    return false;
}

void FileCommands::savedAs(const fs::path& path) {
    ownFile(path);
    lastFolder_ = path.parent_path();
    saved_ = designRecord(wb_);
    savedSheet_ = wb_.drawing().sheetFields();
    recent_.add(path);
    fillRecentMenu();
    designShown();
    window_.updateRecovery();
}

bool FileCommands::save() {
    const fs::path path = savePath();
    std::error_code ec;
    if (path.parent_path() == drawingsFolder())
        fs::create_directories(path.parent_path(), ec);  // the default folder of a fresh install
    if (!mayReplace(path) || !saveTo(path))
        return false;
    savedAs(path);
    sayWritten(path);
    return true;
}

void FileCommands::sayWritten(const fs::path& path) {
    window_.say(QStringLiteral("Dessin enregistré : %1").arg(qs(path.string())));
}

std::optional<fs::path> FileCommands::askSavePath() {
    std::error_code ec;
    fs::create_directories(drawingsFolder(), ec);
    QFileDialog dialog(&window_, QStringLiteral("Enregistrer Dessin Korvane"),
                       qs(designFolder().string()));
    dialog.setObjectName("saveDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(saveFilters());
    // No default suffix: the name typed gets the extension of the filter chosen, below.
    dialog.selectFile(designTitle());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    fs::path chosen = toPath(dialog.selectedFiles().first());
    // The extension follows the chosen filter unless the name already has one we write.
    if (!io::formatForPath(chosen)) {
        chosen += "." + extensionOfFilter(dialog.selectedNameFilter()).toStdString();
        if (fs::exists(chosen, ec) && !askOverwrite(&window_, chosen))
            return std::nullopt;
    }
    return chosen;
}

bool FileCommands::saveAs() {
    const auto path = askSavePath();
    if (!path || !saveTo(*path))
        return false;
    window_.setFileName(path->string());
    savedAs(*path);
    sayWritten(*path);
    return true;
}

void FileCommands::exportDrawing() {
    QFileDialog dialog(&window_, QStringLiteral("Exporter"), qs(designFolder().string()));
    dialog.setObjectName("exportDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(saveFilters());
    dialog.selectFile(designTitle());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    fs::path chosen = toPath(dialog.selectedFiles().first());
    // A name typed without an extension takes the chosen format's; any other is the writer's
    // to take or refuse.
    if (!chosen.has_extension())
        chosen += "." + extensionOfFilter(dialog.selectedNameFilter()).toStdString();
    exportTo(chosen);
}

bool FileCommands::exportTo(const fs::path& path) {
    // "Fichiers récents" lists what "Ouvrir..." can open again, not every export.
    const io::FileFormat* format = io::formatForPath(path);
    if (!saveTo(path))
        return false;
    window_.say(QStringLiteral("Dessin exporté : %1").arg(qs(path.string())));
    if (format && format->readable) {
        recent_.add(path);
        fillRecentMenu();
    }
    return true;
}

void FileCommands::open() {
    if (!maybeSave())
        return;
    QFileDialog dialog(&window_, QStringLiteral("Ouvrir un dessin"), qs(designFolder().string()),
                       QStringLiteral("Dessins et découpes (*.des *.dxf *.cf2 *.cff2);;"
                                      "Dessins Korvane (*.des);;Découpes DXF ou CFF2 (*.dxf "
                                      "*.cf2 *.cff2);;Tous les fichiers (*)"));
    dialog.setObjectName("openDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openChecked(toPath(dialog.selectedFiles().first()));
}

bool FileCommands::openFile(const fs::path& path) {
    if (!maybeSave())
        return false;
    return openChecked(path);
}

bool FileCommands::openChecked(const fs::path& path) {
    if (io::isDieLinePath(path))
        return openDieLine(path);
    const OpenedDesign opened = openDesign(wb_, path);
    if (!opened.result.ok) {
        showFailure(qs(opened.result.message));
        return false;
    }
    window_.setFileName(path.string());
    window_.showOpenedDesign(opened.report);
    if (opened.parametric)
        fixedAt_.reset();
    else
        fixedAt_ = window_.regenerationCount();
    savedAs(path);
    return true;
}

// The die-line is saved beside its file as a .des: "Sauver" never writes over the customer's
// file.
bool FileCommands::openDieLine(const fs::path& path) {
    const DieLineOpening opened = openDieLineFile(&window_, wb_, path);
    if (opened.cancelled)
        return false;
    if (!opened.result.ok) {
        showFailure(qs(opened.result.message));
        return false;
    }
    fs::path saved = path;
    saved.replace_extension(".des");
    window_.setFileName(saved.string());
    window_.showOpenedDesign(opened.report);
    fixedAt_.reset();
    lastFolder_ = path.parent_path();
    recent_.add(path);
    fillRecentMenu();
    saved_ = designRecord(wb_);
    savedSheet_ = wb_.drawing().sheetFields();
    designShown();
    return true;
}

bool FileCommands::newDesign() {
    if (!maybeSave())
        return false;
    window_.startNewDesign();
    return true;
}

void FileCommands::restarted() {
    fixedAt_.reset();
    saved_ = designRecord(wb_);
    savedSheet_ = wb_.drawing().sheetFields();
    designShown();
}

bool FileCommands::maybeSave() {
    if (!isModified())
        return true;
    QMessageBox box(
        QMessageBox::Question, baseTitle_.isEmpty() ? window_.windowTitle() : baseTitle_,
        QStringLiteral("Enregistrer les modifications ?"), QMessageBox::NoButton, &window_);
    box.setObjectName("saveQuestion");
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return save();
    return box.clickedButton() == no;
}

QPrinter& FileCommands::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(designTitle());
        // Blanks are wider than high.
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    return *printer_;
}

PrintOptions FileCommands::printOptions() const {
    PrintOptions options;
    options.scale = printScale_;
    options.pens = window_.view()->pens();
    options.hiddenKinds = window_.view()->hiddenKinds();
    options.title = designTitle();
    return options;
}

void FileCommands::print() {
    QPrintPreviewDialog preview(&printer(), &window_);
    preview.setObjectName("printPreview");
    preview.setWindowTitle(QStringLiteral("Aperçu avant impression - %1").arg(designTitle()));
    printer().setDocName(designTitle());
    preview.resize(window_.size() * 0.85);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &preview](QPrinter* p) { paintPrint(preview, *p); });
    if (auto* toolbar = preview.findChild<QToolBar*>()) {
        toolbar->addSeparator();
        QAction* trueScale = toolbar->addAction(QStringLiteral("Échelle réelle (1:1)"));
        trueScale->setObjectName("trueScale");
        trueScale->setCheckable(true);
        trueScale->setChecked(printScale_ == PrintScale::TrueScale);
        trueScale->setToolTip(
            QStringLiteral("1 mm de carton = 1 mm de papier, sur plusieurs pages au besoin"));
        connect(trueScale, &QAction::toggled, &preview, [this, &preview](bool on) {
            printScale_ = on ? PrintScale::TrueScale : PrintScale::FitToPage;
            if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
                widget->updatePreview();
        });
    }
    preview.exec();
}

void FileCommands::paintPrint(QPrintPreviewDialog& preview, QPrinter& printer) {
    // Over the preview, so that nothing in it is clicked while its pages are painted; and
    // its pages are not repainted meanwhile: those it shows are being replaced.
    WriteProgressDialog painting(&preview, {printCanBeStopped(printer), designTitle()});
    QWidget* pages = preview.findChild<QPrintPreviewWidget*>();
    if (pages)
        pages->setUpdatesEnabled(false);
    const PrintOutcome outcome =
        printDrawing(printer, wb_.drawing(), printOptions(), painting.progress());
    if (pages)
        pages->setUpdatesEnabled(true);
    painting.dialog().reset();
    if (outcome == PrintOutcome::NotOpened)
        showFailure(QStringLiteral("Impression impossible : l'imprimante ne répond pas."));
}

void FileCommands::setUpPage() {
    QPageSetupDialog dialog(&printer(), &window_);
    dialog.setObjectName("pageSetup");
    dialog.exec();
}

void FileCommands::setRecentMenu(QMenu* menu) {
    recentMenu_ = menu;
    fillRecentMenu();
}

void FileCommands::fillRecentMenu() {
    if (!recentMenu_)
        return;
    recentMenu_->clear();
    int n = 0;
    for (const std::string& file : recent_.files()) {
        const QString name = qs(file);
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(name).fileName()));
        action->setToolTip(name);
        action->setData(name);
        connect(action, &QAction::triggered, this, [this, file] {
            std::error_code ec;
            if (!fs::exists(file, ec)) {
                showFailure(QStringLiteral("Fichier introuvable : %1").arg(qs(file)));
                recent_.remove(file);
                fillRecentMenu();
                return;
            }
            openFile(file);
        });
    }
    recentMenu_->setEnabled(n > 0);
}

}  // namespace brontaxe::app
