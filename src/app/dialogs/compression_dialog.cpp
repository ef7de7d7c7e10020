#include "app/dialogs/compression_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/number_text.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

constexpr int kResultIndex = 8;

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

template <std::size_t N>
QComboBox* factorList(const char* name, const std::array<RcvFactor, N>& entries,
                      std::size_t selected) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    for (const RcvFactor& f : entries)
        list->addItem(fromView(f.text));
    list->setCurrentIndex(static_cast<int>(selected));
    return list;
}

QString onScreen(const std::string& text) {
    const bool blank = text.find_first_not_of(' ') == std::string::npos;
    return blank ? QString() : fromView(platform::shownNumber(platform::leadingNumber(text)));
}

std::string fromScreen(const QString& text) {
    return QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toStdString();
}

}  // namespace

CompressionDialog::CompressionDialog(const Workbench& wb, QWidget* parent)
    : QDialog(parent), form_(RcvForm::opening(wb.model())) {
    setObjectName("frm_McKee");
    setWindowTitle(QStringLiteral("Calcul RCV"));

    auto* formula = new QGroupBox(QStringLiteral("Formule McKee"));
    auto* grid = new QGridLayout(formula);
    const char* captions[RcvForm::kInputs] = {"Longueur", "Largeur", "Hauteur", "Épaisseur", "ECT"};
    for (std::size_t k = 0; k < RcvForm::kInputs; ++k) {
        const int row = static_cast<int>(k);
        inputs_[k] = new QLineEdit;
        inputs_[k]->setObjectName(QStringLiteral("Text1_%1").arg(row));
        inputs_[k]->setAlignment(Qt::AlignRight);
        units_[k] = new QLabel;
        units_[k]->setObjectName(QStringLiteral("Label3_%1").arg(row));
        grid->addWidget(new QLabel(QString::fromUtf8(captions[k])), row, 0);
        grid->addWidget(inputs_[k], row, 1);
        grid->addWidget(units_[k], row, 2);
    }
    // The height is shown for reference: the formula takes the perimeter.
    inputs_[2]->setToolTip(QStringLiteral("La hauteur n'entre pas dans la formule"));

    humidityCombo_ = factorList("cbHumid", humidityFactors(), form_.humidityEntry);
    storageCombo_ = factorList("cbJstock", storageFactors(), form_.storageEntry);
    const int listRow = static_cast<int>(RcvForm::kInputs);
    grid->addWidget(new QLabel(QStringLiteral("Humidité relative")), listRow, 0);
    grid->addWidget(humidityCombo_, listRow, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Durée Stockage")), listRow + 1, 0);
    grid->addWidget(storageCombo_, listRow + 1, 1, 1, 2);

    result_ = new QLineEdit;
    result_->setObjectName(QStringLiteral("Text1_%1").arg(kResultIndex));
    result_->setReadOnly(true);
    result_->setAlignment(Qt::AlignRight);
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    resultUnit_ = new QLabel;
    resultUnit_->setObjectName(QStringLiteral("Label3_%1").arg(kResultIndex));
    auto* rcv = new QLabel(QStringLiteral("RCV ="));
    rcv->setFont(bold);
    grid->addWidget(rcv, listRow + 2, 0);
    grid->addWidget(result_, listRow + 2, 1);
    grid->addWidget(resultUnit_, listRow + 2, 2);

    unitButtons_[0] = new QRadioButton(QStringLiteral("mm - kg - kN/m"));
    unitButtons_[1] = new QRadioButton(QStringLiteral("in - lbs - lbs/in"));
    unitButtons_[0]->setChecked(true);
    auto* unitsRow = new QHBoxLayout;
    for (int k = 0; k < 2; ++k) {
        unitButtons_[static_cast<std::size_t>(k)]->setObjectName(
            QStringLiteral("Option1_%1").arg(k));
        unitsRow->addWidget(unitButtons_[static_cast<std::size_t>(k)]);
        connect(unitButtons_[static_cast<std::size_t>(k)], &QRadioButton::clicked, this,
                [this, k] { unitsChosen(k); });
    }
    unitsRow->addStretch(1);

    auto* grade = new QLabel(QStringLiteral("Profil Carton : ") +
                             fromView(wb.boardTables().gradeLabel(wb.model().NumQualite)));
    grade->setObjectName("lbQualite");

    auto* calculer = new QPushButton(QStringLiteral("Calculer"));
    calculer->setObjectName("Command1");
    calculer->setDefault(true);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    fermer->setObjectName("Command2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(calculer);
    buttons->addWidget(fermer);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade);
    layout->addLayout(unitsRow);
    layout->addWidget(formula);
    layout->addLayout(buttons);

    connect(calculer, &QPushButton::clicked, this, [this] { compute(); });
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(humidityCombo_, &QComboBox::activated, this, [this](int i) { humidityChosen(i); });
    connect(storageCombo_, &QComboBox::activated, this, [this](int i) { storageChosen(i); });
    showBoxes();
}

QLineEdit* CompressionDialog::inputBox(int index) const {
    if (index == kResultIndex)
        return result_;
    return index >= 0 && index < static_cast<int>(RcvForm::kInputs)
               ? inputs_[static_cast<std::size_t>(index)]
               : nullptr;
}

QLabel* CompressionDialog::unitLabel(int index) const {
    if (index == kResultIndex)
        return resultUnit_;
    return index >= 0 && index < static_cast<int>(RcvForm::kInputs)
               ? units_[static_cast<std::size_t>(index)]
               : nullptr;
}

// The form computes with the decimal point; the boxes show and take the comma.
void CompressionDialog::readBoxes() {
    for (std::size_t k = 0; k < RcvForm::kInputs; ++k)
        form_.inputs[k] = fromScreen(inputs_[k]->text());
    form_.result = fromScreen(result_->text());
}

void CompressionDialog::showBoxes() {
    for (std::size_t k = 0; k < RcvForm::kInputs; ++k) {
        inputs_[k]->setText(onScreen(form_.inputs[k]));
        units_[k]->setText(fromView(k == RcvForm::kEct ? form_.ectUnit() : form_.lengthUnit()));
    }
    result_->setText(fromView(platform::withDecimalComma(form_.result)));
    resultUnit_->setText(fromView(form_.resultUnit()));
}

void CompressionDialog::compute() {
    readBoxes();
    form_.compute();
    showBoxes();
}

void CompressionDialog::unitsChosen(int index) {
    readBoxes();
    form_.changeUnits(index == 0 ? RcvUnits::Metric : RcvUnits::Imperial);
    showBoxes();
}

void CompressionDialog::humidityChosen(int index) {
    readBoxes();
    form_.chooseHumidity(static_cast<std::size_t>(index));
    showBoxes();
}

void CompressionDialog::storageChosen(int index) {
    readBoxes();
    form_.chooseStorage(static_cast<std::size_t>(index));
    showBoxes();
}

}  // namespace brontaxe::app
