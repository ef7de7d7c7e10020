#pragma once
// The help window: the user manual, read from its Markdown with its pictures, beside its list
// of contents and a search box. The PDF of the same manual is for printing; the window says
// where it lies.

#include <QDialog>
#include <filesystem>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;

namespace brontaxe::app {

class HelpDialog : public QDialog {
    Q_OBJECT
  public:
    // `text` is the manual's Markdown (its pictures named relative to its folder), `pdf` the
    // printable manual. Opens at the heading `section` when given.
    HelpDialog(QWidget* parent, const std::filesystem::path& text, const std::filesystem::path& pdf,
               const QString& section = {});

    // Shows the heading whose title begins with `section`; false when there is none.
    bool showSection(const QString& section);
    // Selects the next (or previous) place the search box's text is found, from the cursor
    // round to it again; false when the manual does not hold it.
    bool findNext(bool backward = false);

  private:
    void load(const std::filesystem::path& text);
    void fillContents();
    void showBlock(int position);

    QTextBrowser* text_;
    QTreeWidget* contents_;
    QLineEdit* search_;
    QLabel* searchStatus_;
};

// The manual of the running program: its Markdown (platform::manualText) and its PDF
// (platform::manualFile).
std::filesystem::path manualTextPath();
std::filesystem::path manualPath();

}  // namespace brontaxe::app
