#pragma once
// The design-rule check's verdict beside the figures: "Contrôle : aucun défaut" or the count;
// a click on it opens the list of findings, and the view highlights the elements of the
// finding chosen (all of them while none is chosen).

#include <QWidget>
#include <vector>

#include "check/design_check.h"

class QListWidget;
class QPushButton;

namespace brontaxe::app {

class DrawingView;

class CheckPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CheckPanel(QWidget* parent = nullptr);
    // The view whose elements are highlighted.
    void setView(DrawingView* view);

    // The findings of the drawing just regenerated; the list closes.
    void showFindings(std::vector<Finding> findings);

    QString verdict() const;
    bool listShown() const;
    void toggleList();
    // Highlights one finding (a row of the list), or every finding with -1.
    void highlight(int row);

  private:
    DrawingView* view_ = nullptr;
    QPushButton* verdict_;
    QListWidget* list_;
    std::vector<Finding> findings_;
};

}  // namespace brontaxe::app
