#pragma once
// SectionDialog, "Sectionner en 2 morceaux": the position of the section line and the side kept,
// the line previewed over the drawing, "Appliquer" cuts a freshly drawn blank, OK cuts and
// closes, "Abandon" puts the whole blank back.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "drawing/section/section_cut.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brontaxe::app {

// What the dialog needs from the main window.
struct SectionHost {
    // The blank regenerated whole, then the section line drawn over it.
    std::function<void(SectionSide, double)> preview;
    // The blank regenerated and cut; why it was not cut, in French.
    std::function<std::optional<std::string>(SectionSide, double)> apply;
    // The blank regenerated whole.
    std::function<void()> restore;
    // Width and height of the blank as last drawn (before any pose).
    std::function<std::pair<double, double>()> blankSize;
};

class SectionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SectionDialog(SectionHost host, QWidget* parent = nullptr);

    QLineEdit* positionBox() const { return positionBox_; }
    QRadioButton* sideButton(int k) const { return sideButtons_[static_cast<std::size_t>(k)]; }
    QLabel* message() const { return message_; }
    SectionSide side() const;

    void positionLeft();
    void sideChosen();
    // True when the blank was cut.
    bool apply();
    void applyAndClose();
    void abandon();

  protected:
    void reject() override;  // Escape and the close box abandon, as "Abandon" does
    // The box losing the focus as the dialog closes previews nothing: the cut applied stays.
    void done(int result) override;

  private:
    std::optional<double> position();

    SectionHost host_;
    QLineEdit* positionBox_ = nullptr;
    bool closing_ = false;
    std::array<QRadioButton*, 4> sideButtons_{};
    QPushButton* applyButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace brontaxe::app
