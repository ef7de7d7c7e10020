#pragma once
// MachinePassesDialog, "Passages-Machine": the creasing and slotting positions of the last slotted
// blank over a sketch of such a blank (glue tab, four panels, body, flaps above and below).
// It only shows; it changes nothing.

#include <QDialog>
#include <array>

#include "workbench/machine_passes.h"

class QLabel;

namespace brontaxe::app {

class PassesSketch;

class MachinePassesDialog : public QDialog {
    Q_OBJECT
  public:
    MachinePassesDialog(const std::array<float, 17>& passes, QWidget* parent = nullptr);

    QLabel* panelWidths(int k) const { return panelWidths_[static_cast<std::size_t>(k)]; }
    QLabel* bodyHeight() const { return bodyHeight_; }
    QLabel* upperFlaps(int k) const { return upperFlaps_[static_cast<std::size_t>(k)]; }
    QLabel* lowerFlaps(int k) const { return lowerFlaps_[static_cast<std::size_t>(k)]; }
    // Columns drawn in the sketch: 3, 4 or 5 (glue tab included).
    int columnsShown() const;

  private:
    void place(QLabel* label, int column, int row);

    MachinePassesView view_;
    PassesSketch* sketch_ = nullptr;
    std::array<QLabel*, 5> panelWidths_{};
    QLabel* bodyHeight_ = nullptr;
    std::array<QLabel*, 5> upperFlaps_{};
    std::array<QLabel*, 5> lowerFlaps_{};
};

}  // namespace brontaxe::app
