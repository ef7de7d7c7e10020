#pragma once
// frmPassage, "Passages Machines": the creasing and slotting positions of the last slotted
// blank over a sketch of such a blank (glue tab, four panels, body, flaps above and below).
// It only shows; it changes nothing.

#include <QDialog>
#include <array>

#include "workbench/machine_passes.h"

class QLabel;

namespace brontaxe::app {

class PassesSketch;

class frmPassage : public QDialog {
    Q_OBJECT
  public:
    frmPassage(const std::array<float, 17>& passes, QWidget* parent = nullptr);

    QLabel* PX(int k) const { return PX_[static_cast<std::size_t>(k)]; }
    QLabel* HY0() const { return HY0_; }
    QLabel* RHY(int k) const { return RHY_[static_cast<std::size_t>(k)]; }
    QLabel* RBY(int k) const { return RBY_[static_cast<std::size_t>(k)]; }
    // Columns drawn in the sketch: 3, 4 or 5 (glue tab included).
    int columnsShown() const;

  private:
    void place(QLabel* label, int column, int row);

    MachinePassesView view_;
    PassesSketch* sketch_ = nullptr;
    std::array<QLabel*, 5> PX_{};
    QLabel* HY0_ = nullptr;
    std::array<QLabel*, 5> RHY_{};
    std::array<QLabel*, 5> RBY_{};
};

}  // namespace brontaxe::app
