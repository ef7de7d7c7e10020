#pragma once
// frm_McKee, "Calcul RCV": the compression estimate of the current box by the McKee formula,
// with the humidity and storage factors, in metric or imperial units. It reads the box when
// it opens and writes nothing back.

#include <QDialog>
#include <array>

#include "pallet/mckee.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class frm_McKee : public QDialog {
    Q_OBJECT
  public:
    frm_McKee(const Workbench& wb, QWidget* parent = nullptr);

    // Boxes 0 to 4 (length, width, height, thickness, ECT) and 8 (the result).
    QLineEdit* Text1(int index) const;
    QLabel* Label3(int index) const;
    const RcvForm& form() const { return form_; }

    void Command1_Click();  // "Calculer"
    void Option1_Click(int index);
    void cbHumid_Click(int index);
    void cbJstock_Click(int index);

  private:
    void readBoxes();
    void showBoxes();

    RcvForm form_;
    std::array<QLineEdit*, RcvForm::kInputs> inputs_{};
    QLineEdit* result_ = nullptr;
    std::array<QLabel*, RcvForm::kInputs> units_{};
    QLabel* resultUnit_ = nullptr;
    std::array<QRadioButton*, 2> Option1_{};
    QComboBox* cbHumid_ = nullptr;
    QComboBox* cbJstock_ = nullptr;
};

}  // namespace brontaxe::app
