#pragma once
// The "Propriétés" dock of the edit mode: what the selection is and the values of its
// element, each in a box the user types into. One element shows every property it has;
// several show their kind and piece, which then apply to all of them.

#include <QDockWidget>
#include <map>
#include <vector>

#include "drawing/element.h"
#include "editing/element_properties.h"

class QComboBox;
class QFormLayout;
class QLabel;

namespace brontaxe::app {

class PropertiesPanel : public QDockWidget {
    Q_OBJECT
  public:
    explicit PropertiesPanel(QWidget* parent = nullptr);

    // The elements selected, in the order of the blank.
    void showSelection(const std::vector<Element>& selected);
    QString heading() const;
    // The box (or, for the kind, the list) a property is shown in; null when not shown.
    QWidget* editorOf(editing::Property property) const;

  signals:
    // A value typed (or a kind chosen) for the selection.
    void propertyEdited(editing::Property property, double value);

  private:
    void clearRows();
    void addKindRow(const std::vector<Element>& selected);
    void addNumberRow(const editing::PropertyValue& value, bool same);

    QLabel* heading_;
    QFormLayout* form_;
    std::map<editing::Property, QWidget*> editors_;
};

// The French name of a line kind as the panel lists it ("Coupant", "Rainant"...); empty for a
// kind that is none of the five.
QString lineKindName(LineKind kind);

}  // namespace brontaxe::app
