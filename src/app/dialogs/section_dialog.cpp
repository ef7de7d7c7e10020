#include "app/dialogs/section_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/window/string_pass.h"
#include "platform/number_text.h"
#include "platform/user_number.h"

namespace brontaxe::app {

SectionDialog::SectionDialog(SectionHost host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)) {
    setObjectName("frmSection");
    setWindowTitle(QStringLiteral("Sectionner en 2 morceaux"));
    // Wide enough for its whole title beside the title bar's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
    auto* layout = new QVBoxLayout(this);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Sectionner à :")));
    positionBox_ = new QLineEdit;
    positionBox_->setObjectName("Text1");
    positionBox_->setAlignment(Qt::AlignRight);
    row->addWidget(positionBox_, 1);
    row->addWidget(new QLabel(QStringLiteral("mm")));
    layout->addLayout(row);

    auto* frame = new QGroupBox(QStringLiteral("Garder la partie"));
    auto* grid = new QGridLayout(frame);
    const std::array<const char*, 4> captions{"Gauche", "Droite", "Haute", "Basse"};
    for (int k = 0; k < 4; ++k) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[static_cast<std::size_t>(k)]));
        option->setObjectName(QStringLiteral("Option1_%1").arg(k));
        connect(option, &QRadioButton::clicked, this, [this] { sideChosen(); });
        sideButtons_[static_cast<std::size_t>(k)] = option;
        grid->addWidget(option, k / 2, k % 2);
    }
    sideButtons_[0]->setChecked(true);
    layout->addWidget(frame);

    message_ = new QLabel;
    message_->setObjectName("message");
    message_->setStyleSheet(QStringLiteral("color: #b00000;"));
    message_->setWordWrap(true);
    layout->addWidget(message_);

    auto* buttons = new QHBoxLayout;
    applyButton_ = new QPushButton(QStringLiteral("Appliquer"));
    applyButton_->setObjectName("CmdAppl");
    okButton_ = new QPushButton(QStringLiteral("OK"));
    okButton_->setObjectName("CmdOK");
    cancelButton_ = new QPushButton(QStringLiteral("Abandon"));
    cancelButton_->setObjectName("CmdCancel");
    // Enter in the position box previews; it must not close the dialog.
    for (QPushButton* b : {applyButton_, okButton_, cancelButton_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(applyButton_, &QPushButton::clicked, this, [this] { apply(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { applyAndClose(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { abandon(); });
    connect(positionBox_, &QLineEdit::editingFinished, this, [this] { positionLeft(); });

    // Opened with the position emptied: the preview puts the line at half the width.
    positionLeft();
}

SectionSide SectionDialog::side() const {
    for (int k = 0; k < 4; ++k) {
        if (sideButtons_[static_cast<std::size_t>(k)]->isChecked())
            return static_cast<SectionSide>(k);
    }
    return SectionSide::Left;
}

std::optional<double> SectionDialog::position() {
    const std::optional<double> p = platform::readUserNumber(positionBox_->text().toStdString());
    if (!p) {
        showMessage(message_,
                    QStringLiteral("Position incorrecte : \"%1\"").arg(positionBox_->text()), true);
        return std::nullopt;
    }
    message_->clear();
    return p;
}

void SectionDialog::positionLeft() {
    if (closing_)
        return;
    if (positionBox_->text().trimmed().isEmpty()) {
        const double width = host_.blankSize().first;
        positionBox_->setText(QString::fromStdString(platform::shownNumber(width / 2)));
    }
    if (const auto p = position())
        host_.preview(side(), *p);
}

void SectionDialog::sideChosen() {
    positionLeft();
}

bool SectionDialog::apply() {
    const auto p = position();
    if (!p)
        return false;
    if (const auto refusal = host_.apply(side(), *p)) {
        showMessage(message_, QString::fromStdString(*refusal), true);
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*refusal));
        return false;
    }
    return true;
}

void SectionDialog::applyAndClose() {
    if (apply())
        accept();
}

void SectionDialog::abandon() {
    host_.restore();
    QDialog::reject();
}

void SectionDialog::reject() {
    abandon();
}

void SectionDialog::done(int result) {
    closing_ = true;
    QDialog::done(result);
}

}  // namespace brontaxe::app
