#pragma once
// StyleParametersDialog, "Autres Dimensions": the style parameters of the model (glue tab, notches,
// flaps, roundings, tenons and mortises, dividers, handles, extra creases), edited in place.
// Every accepted change regenerates the drawing behind the dialog at once.

#include <QDialog>
#include <array>
#include <functional>

#include "model/model.h"
#include "params/other_dimensions.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

class EntryBox;

// What the dialog needs from the main window: its creases box, its regeneration and its
// status bar.
struct StyleParametersHost {
    std::function<QString()> creaseList;
    std::function<void(const QString&)> setCreaseList;
    std::function<void()> regenerate;
    std::function<void(const QString&)> showRefusal;
};

class StyleParametersDialog : public QDialog {
    Q_OBJECT
  public:
    StyleParametersDialog(Model& m, const StringTable& strings, StyleParametersHost host,
                          QWidget* parent = nullptr);
    ~StyleParametersDialog() override;

    EntryBox* fieldBox(int field) const { return fieldBoxes_[static_cast<std::size_t>(field)]; }
    QTabWidget* tabs() const { return tabs_; }
    // "Annuler": every value back as it was when the dialog opened, the drawing with them.
    void cancel();

  private:
    QWidget* buildGlueTab();
    QWidget* buildNotchTab();
    QWidget* buildFlapTab();
    QWidget* buildRoundingTab();
    QWidget* buildFlapsTab();
    QWidget* buildDoubleWallTab();
    QWidget* buildDividerTab();
    QWidget* buildHandleTab();
    QWidget* buildBridgeTab();
    // A field's caption, box and unit on `row` of a tab's grid (the caption `indent` pixels in
    // under a heading).
    void addField(QGridLayout* grid, int row, int field, const QString& caption, int indent = 0);
    void addHeading(QGridLayout* grid, int row, const QString& title);
    // The fields the style drawn does not use are greyed: typing there would change nothing.
    void greyUnusedFields();

    void fillFields();
    void fieldLeft(int field);
    void fieldEdited(int field);
    void mortiseCountScrolled(int value);
    void cellCountScrolled(int value);
    void glueSideChosen(int index);
    void handleToggled();
    void handleKindChosen(int index);
    void tabChosen(int tab);
    void showGlueSide();
    void showHandle();
    void regenerate();
    bool refusesEntry(int field);

    Model& m_;
    const StringTable& strings_;
    StyleParametersHost host_;

    QTabWidget* tabs_ = nullptr;
    std::array<EntryBox*, kAutreDimFieldCount> fieldBoxes_{};
    std::array<QLabel*, kAutreDimFieldCount> fieldCaptions_{};
    std::array<QLabel*, kAutreDimFieldCount> fieldUnits_{};  // none for the counts
    std::array<QRadioButton*, 2> glueSideButtons_{};
    QLabel* glueImage_ = nullptr;
    QCheckBox* autoFlapHeightBox_ = nullptr;
    QCheckBox* obliqueBox_ = nullptr;
    QCheckBox* bridgesBox_ = nullptr;
    QScrollBar* mortiseScroll_ = nullptr;
    QScrollBar* cellScroll_ = nullptr;
    std::array<QRadioButton*, 3> dividerButtons_{};
    QCheckBox* handleBox_ = nullptr;
    std::array<QRadioButton*, 3> handleButtons_{};
    QLabel* handleImage_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* message_ = nullptr;  // why the last entry was refused

    // The values the dialog opened on, for "Annuler".
    Model opening_;
    QString openingCreaseList_;
    bool changed_ = false;
};

}  // namespace brontaxe::app
