#pragma once
// The drawing view's two dialogs: which line kinds are hidden (and the dimensioning), and the
// colour and width of each pen.

#include <QDialog>
#include <map>
#include <set>

#include "app/views/pen_set.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

class FilterDialog : public QDialog {
    Q_OBJECT
  public:
    FilterDialog(const std::set<LineKind>& hiddenKinds, bool hideDimensions,
                 const StringTable& strings, QWidget* parent = nullptr);
    std::set<LineKind> hiddenKinds() const;
    bool hideDimensions() const;

  private:
    std::map<LineKind, QCheckBox*> kinds_;
    QCheckBox* dimensions_ = nullptr;
};

class PenDialog : public QDialog {
    Q_OBJECT
  public:
    PenDialog(const PenSet& pens, const StringTable& strings, QWidget* parent = nullptr);
    const PenSet& pens() const { return pens_; }

  private:
    void showColour(PenRole role);

    PenSet pens_;
    std::map<PenRole, QPushButton*> colourButtons_;
};

}  // namespace brontaxe::app
