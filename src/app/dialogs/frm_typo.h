#pragma once
// frm_typo, "Architecture": the top and bottom closures of a combined box, or a lid alone
// ("Couvercle") or a bottom alone ("Fond"), each list beside a picture of its half.

#include <QDialog>

#include "model/model.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace brontaxe::app {

class frm_typo : public QDialog {
    Q_OBJECT
  public:
    // Shows the model's closures; "OK" writes them back.
    explicit frm_typo(Model& model, QWidget* parent = nullptr);

    void br_caisse_Click();
    void br_couv_Click();
    void br_Fond_Click();
    void cmb_dessus_Click();
    void cmb_dessous_Click();
    void but_ok_Click();

  private:
    struct Group {
        QFrame* shape = nullptr;  // around the heading, caption, list and picture
        QComboBox* combo = nullptr;
        QLabel* picture = nullptr;
    };
    Group makeGroup(const char* suffix, const QString& heading, const QString& caption, bool top);
    void showPicture(const Group& group, bool top);

    Model& model_;
    QRadioButton* br_caisse_ = nullptr;
    QRadioButton* br_couv_ = nullptr;
    QRadioButton* br_Fond_ = nullptr;
    Group dessus_;
    Group dessous_;
    QPushButton* but_ok_ = nullptr;
};

}  // namespace brontaxe::app
