#pragma once
// The help window: the user's guide, and the user manual (a PDF file installed with the
// program, "c:\wkorvane\doc\brontaxe.pdf") opened in the system's viewer when it is there.

#include <QDialog>
#include <filesystem>

class QPushButton;
class QTextBrowser;

namespace brontaxe::app {

class HelpDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens at the guide's section `anchor` when given.
    HelpDialog(QWidget* parent, std::filesystem::path manual, const QString& anchor = {});

  private:
    void openManual();

    std::filesystem::path manual_;
    QTextBrowser* text_;
    QPushButton* manualButton_;
};

// The user manual of the running program (platform::manualFile).
std::filesystem::path manualPath();

}  // namespace brontaxe::app
