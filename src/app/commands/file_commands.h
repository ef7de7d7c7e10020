#pragma once
// The file side of the main window: open, save, save as, export, print, page set-up, the
// recent files, the question before a modified design is dropped, and the title bar that
// names the file and marks it modified.

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "app/commands/print_job.h"
#include "app/commands/recent_files.h"
#include "io/des_format.h"

class QMenu;
class QPrinter;
class QPrintPreviewDialog;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class MainWindow;

class FileCommands : public QObject {
    Q_OBJECT
  public:
    FileCommands(MainWindow& window, Workbench& wb);
    ~FileCommands() override;

    // "Sauver": to `fileName`; a bare name goes into the drawings folder ("c:\korvane"). A file
    // there that this run neither opened nor saved is replaced only once the user says so.
    bool save();
    // "Nouveau": after the question about unsaved changes, a design as the program starts on.
    bool newDesign();
    // The design on show is the one of a fresh start: nothing to save, no file of its own yet.
    void restarted();
    // Whether the program opened or saved `path` since it started.
    bool isOwnFile(const std::filesystem::path& path) const;
    // "Sauver sous": the save dialog; the chosen file becomes `fileName`.
    bool saveAs();
    // "Exporter": any format by its extension; `fileName` stays.
    void exportDrawing();
    // The export itself, once the file is chosen.
    bool exportTo(const std::filesystem::path& path);
    // "Ouvrir...".
    void open();
    // "Imprimer": the preview, from which the job is printed.
    void print();
    // "Configurer imprimante" / "Mise en Page".
    void setUpPage();

    // Opens a drawing after the question about unsaved changes. False when nothing opened.
    bool openFile(const std::filesystem::path& path);
    // Writes the design to `path`; a failure is said in a message box and changes nothing.
    bool saveTo(const std::filesystem::path& path);

    // Before the design is dropped (quit, close, open): "Enregistrer les modifications ?".
    // True when the caller may go on.
    bool maybeSave();

    // After every regeneration: the title and its modified mark follow the design.
    void designShown();
    bool isModified() const;

    // Where "Sauver" writes the current `fileName`.
    std::filesystem::path savePath() const;
    // The design's name without folder nor extension: the job title and the name proposed.
    QString designTitle() const;
    // Where the file dialogs start: the design's folder, else the one used last (in this run or
    // the one before), else the drawings folder, else the user's documents.
    std::filesystem::path designFolder() const;
    // The drawings folder: "c:\korvane" on the folder standing for drive C.
    std::filesystem::path drawingsFolder() const;

    QMenu* recentMenu() const { return recentMenu_; }
    void setRecentMenu(QMenu* menu);
    const RecentFiles& recentFiles() const { return recent_; }

    QPrinter& printer();
    PrintOptions printOptions() const;
    PrintScale printScale() const { return printScale_; }
    void setPrintScale(PrintScale scale) { printScale_ = scale; }

  private:
    bool openDieLine(const std::filesystem::path& path);
    // "Remplacer le fichier ... ?" before "Sauver" writes over a file that is not the design's.
    bool mayReplace(const std::filesystem::path& path);
    void ownFile(const std::filesystem::path& path);
    // Paints the print, or its preview, with its progress shown over the preview.
    void paintPrint(QPrintPreviewDialog& preview, QPrinter& printer);
    bool openChecked(const std::filesystem::path& path);
    void fillRecentMenu();
    void savedAs(const std::filesystem::path& path);
    std::optional<std::filesystem::path> askSavePath();
    void showFailure(const QString& message);
    void sayWritten(const std::filesystem::path& path);

    MainWindow& window_;
    Workbench& wb_;
    RecentFiles recent_;
    QMenu* recentMenu_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    PrintScale printScale_ = PrintScale::FitToPage;
    std::optional<io::DesignRecord> saved_;  // the design as last saved, opened or started
    std::vector<SheetField> savedSheet_;     // and its technical sheet
    // The regeneration count when a drawing without its design was opened: until the next
    // regeneration the drawing on show is that file's, not the model's.
    std::optional<int> fixedAt_;
    QString baseTitle_;
    std::filesystem::path lastFolder_;          // of the drawing opened or saved last
    std::set<std::filesystem::path> ownFiles_;  // opened or saved since the program started
};

}  // namespace brontaxe::app
