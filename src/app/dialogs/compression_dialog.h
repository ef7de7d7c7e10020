#pragma once
// CompressionDialog, "Calcul RCV": the compression estimate of the current box by the McKee
// formula, with the humidity and storage factors, in metric or imperial units. It reads the box
// when it opens and writes nothing back.

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

class CompressionDialog : public QDialog {
    Q_OBJECT
  public:
    CompressionDialog(const Workbench& wb, QWidget* parent = nullptr);

    // Boxes 0 to 4 (length, width, height, thickness, ECT) and 8 (the result).
    QLineEdit* inputBox(int index) const;
    QLabel* unitLabel(int index) const;
    const RcvForm& form() const { return form_; }

    void compute();  // "Calculer"
    void unitsChosen(int index);
    void humidityChosen(int index);
    void storageChosen(int index);

  private:
    void readBoxes();
    void showBoxes();

    RcvForm form_;
    std::array<QLineEdit*, RcvForm::kInputs> inputs_{};
    QLineEdit* result_ = nullptr;
    std::array<QLabel*, RcvForm::kInputs> units_{};
    QLabel* resultUnit_ = nullptr;
    std::array<QRadioButton*, 2> unitButtons_{};
    QComboBox* humidityCombo_ = nullptr;
    QComboBox* storageCombo_ = nullptr;
};

}  // namespace brontaxe::app
