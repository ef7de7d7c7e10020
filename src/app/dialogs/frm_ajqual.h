#pragma once
// frm_ajqual, "Ajouter Profil Ondulé": a board grade added to the allowance editor's tables, or
// the grade with the same code rewritten. Saved with the editor's "Valider".

#include <QDialog>

class QLabel;
class QLineEdit;

namespace brontaxe {
class AllowanceEditor;
}

namespace brontaxe::app {

class frm_ajqual : public QDialog {
    Q_OBJECT
  public:
    frm_ajqual(AllowanceEditor& editor, QWidget* parent = nullptr);

    // Refused entries keep the dialog open with the reason.
    void but_ok_Click();

  private:
    AllowanceEditor& editor_;
    QLineEdit* txt_code_ = nullptr;
    QLineEdit* txt_tlist_ = nullptr;
    QLineEdit* Txt_epais_ = nullptr;
    QLineEdit* txt_dbm_ = nullptr;
    QLabel* lbMessage_ = nullptr;
};

}  // namespace brontaxe::app
