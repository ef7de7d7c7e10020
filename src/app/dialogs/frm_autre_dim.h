#pragma once
// FrmAutreDim, "Autres Dimensions": the style parameters of the model (glue tab, notches,
// flaps, roundings, tenons and mortises, dividers, handles, extra creases), edited in place.
// Every accepted change regenerates the drawing behind the dialog at once.

#include <QDialog>
#include <array>
#include <functional>

#include "model/model.h"
#include "params/autre_dim.h"

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
struct AutreDimHost {
    std::function<QString()> creaseList;
    std::function<void(const QString&)> setCreaseList;
    std::function<void()> modifier;
    std::function<void(const QString&)> showRefusal;
};

class FrmAutreDim : public QDialog {
    Q_OBJECT
  public:
    FrmAutreDim(Model& m, const StringTable& strings, AutreDimHost host, QWidget* parent = nullptr);
    ~FrmAutreDim() override;

    EntryBox* Text1(int field) const { return Text1_[static_cast<std::size_t>(field)]; }
    QTabWidget* SSTab1() const { return SSTab1_; }
    // "Annuler": every value back as it was when the dialog opened, the drawing with them.
    void CmdAnnuler_Click();

  private:
    QWidget* buildGlueTab();
    QWidget* buildNotchTab();
    QWidget* buildFlapTab();
    QWidget* buildRoundingTab();
    QWidget* buildFlapsTab();
    QWidget* buildDoubleWallTab();
    QWidget* buildDividerTab();
    QWidget* buildHandleTab();
    void addField(QGridLayout* grid, int row, int field, const QString& caption);

    void Form_Load();
    void Text1_LostFocus(int field);
    void Text1_Change(int field);
    void VScroll1_Change(int value);
    void VScroll2_Change(int value);
    void Option1_Click(int index);
    void ChkPoign_Click();
    void Option2_Click(int index);
    void SSTab1_Click(int tab);
    void showGlueSide();
    void showHandle();
    void modifier();
    bool refusesEntry(int field);

    Model& m_;
    const StringTable& strings_;
    AutreDimHost host_;

    QTabWidget* SSTab1_ = nullptr;
    std::array<EntryBox*, kAutreDimFieldCount> Text1_{};
    std::array<QRadioButton*, 2> Option1_{};
    QLabel* glueImage_ = nullptr;
    QCheckBox* ChkHrabat_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QScrollBar* VScroll2_ = nullptr;
    std::array<QRadioButton*, 3> Opcrois_{};
    QCheckBox* ChkPoign_ = nullptr;
    std::array<QRadioButton*, 3> Option2_{};
    QLabel* handleImage_ = nullptr;
    QPushButton* CmdValid_ = nullptr;
    QPushButton* CmdAnnuler_ = nullptr;
    QLabel* lbMessage_ = nullptr;  // why the last entry was refused

    // The values the dialog opened on, for "Annuler".
    Model opening_;
    QString openingCreaseList_;
    bool changed_ = false;
};

}  // namespace brontaxe::app
