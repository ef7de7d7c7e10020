#include "app/dialogs/layer_kinds_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_buttons.h"
#include "io/line_kind_table.h"

namespace brontaxe::app {

LayerKindsDialog::LayerKindsDialog(const std::vector<std::string>& layers, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmCalques");
    setWindowTitle(QStringLiteral("Nature des calques"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Ce fichier a des calques que la table ne connaît pas. Choisissez la "
                       "nature de leurs traits ; le choix est retenu pour les fichiers suivants. "
                       "Les traits d'annotation sont gardés mais ne comptent pas comme filets."));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    for (const std::string& layer : layers) {
        auto* kinds = new QComboBox;
        kinds->setObjectName(QString::fromStdString("calque:" + layer));
        for (const io::KindName& k : io::kindNames())
            kinds->addItem(QString::fromUtf8(k.name.data(), static_cast<int>(k.name.size())));
        kinds->setCurrentIndex(kinds->count() - 1);  // annotation
        form->addRow(QString::fromStdString(layer), kinds);
        rows_.emplace_back(layer, kinds);
    }
    layout->addLayout(form);
    const DialogButtons buttons = validateButtons("CmdOK", "CmdCancel");
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons.row);
}

std::vector<std::pair<std::string, std::string>> LayerKindsDialog::choices() const {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [layer, kinds] : rows_)
        out.emplace_back(layer, kinds->currentText().toStdString());
    return out;
}

}  // namespace brontaxe::app
