#pragma once
// "Nature des calques": the layers (or CFF2 rule types) of an opened die-line that the table
// does not know, each with the kind of its lines to choose; annotation until told otherwise.

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

class QComboBox;

namespace brontaxe::app {

class LayerKindsDialog : public QDialog {
    Q_OBJECT
  public:
    LayerKindsDialog(const std::vector<std::string>& layers, QWidget* parent);

    // Each layer with the settings' name of the kind chosen ("coupe", "annotation", ...).
    std::vector<std::pair<std::string, std::string>> choices() const;

  private:
    std::vector<std::pair<std::string, QComboBox*>> rows_;
};

}  // namespace brontaxe::app
