#include "app/dialogs/frm_section.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/number_text.h"
#include "platform/user_number.h"

namespace brontaxe::app {

frmSection::frmSection(SectionHost host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)) {
    setObjectName("frmSection");
    setWindowTitle(QStringLiteral("Sectionner en 2 morceaux"));
    auto* layout = new QVBoxLayout(this);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Sectionner à :")));
    Text1_ = new QLineEdit;
    Text1_->setObjectName("Text1");
    Text1_->setAlignment(Qt::AlignRight);
    row->addWidget(Text1_, 1);
    row->addWidget(new QLabel(QStringLiteral("mm")));
    layout->addLayout(row);

    auto* frame = new QGroupBox(QStringLiteral("Garder la partie"));
    auto* grid = new QGridLayout(frame);
    const std::array<const char*, 4> captions{"Gauche", "Droite", "Haute", "Basse"};
    for (int k = 0; k < 4; ++k) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[static_cast<std::size_t>(k)]));
        option->setObjectName(QStringLiteral("Option1_%1").arg(k));
        connect(option, &QRadioButton::clicked, this, [this] { Option1_Click(); });
        Option1_[static_cast<std::size_t>(k)] = option;
        grid->addWidget(option, k / 2, k % 2);
    }
    Option1_[0]->setChecked(true);
    layout->addWidget(frame);

    message_ = new QLabel;
    message_->setObjectName("message");
    message_->setStyleSheet(QStringLiteral("color: #b00000;"));
    message_->setWordWrap(true);
    layout->addWidget(message_);

    auto* buttons = new QHBoxLayout;
    CmdAppl_ = new QPushButton(QStringLiteral("Appliquer"));
    CmdAppl_->setObjectName("CmdAppl");
    CmdOK_ = new QPushButton(QStringLiteral("OK"));
    CmdOK_->setObjectName("CmdOK");
    CmdCancel_ = new QPushButton(QStringLiteral("Abandon"));
    CmdCancel_->setObjectName("CmdCancel");
    // Enter in the position box previews; it must not close the dialog.
    for (QPushButton* b : {CmdAppl_, CmdOK_, CmdCancel_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(CmdAppl_, &QPushButton::clicked, this, [this] { CmdAppl_Click(); });
    connect(CmdOK_, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    connect(CmdCancel_, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });
    connect(Text1_, &QLineEdit::editingFinished, this, [this] { Text1_LostFocus(); });

    // Opened with the position emptied: the preview puts the line at half the width.
    Text1_LostFocus();
}

SectionSide frmSection::side() const {
    for (int k = 0; k < 4; ++k) {
        if (Option1_[static_cast<std::size_t>(k)]->isChecked())
            return static_cast<SectionSide>(k);
    }
    return SectionSide::Left;
}

std::optional<double> frmSection::position() {
    const std::optional<double> p = platform::readUserNumber(Text1_->text().toStdString());
    if (!p) {
        message_->setText(QStringLiteral("Position incorrecte : \"%1\"").arg(Text1_->text()));
        return std::nullopt;
    }
    message_->clear();
    return p;
}

void frmSection::Text1_LostFocus() {
    if (Text1_->text().trimmed().isEmpty()) {
        const double width = host_.blankSize().first;
        Text1_->setText(QString::fromStdString(platform::numberTextBlank(width / 2)));
    }
    if (const auto p = position())
        host_.preview(side(), *p);
}

void frmSection::Option1_Click() {
    Text1_LostFocus();
}

bool frmSection::CmdAppl_Click() {
    const auto p = position();
    if (!p)
        return false;
    if (const auto refusal = host_.apply(side(), *p)) {
        message_->setText(QString::fromStdString(*refusal));
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*refusal));
        return false;
    }
    return true;
}

void frmSection::CmdOK_Click() {
    if (CmdAppl_Click())
        accept();
}

void frmSection::CmdCancel_Click() {
    host_.restore();
    QDialog::reject();
}

void frmSection::reject() {
    CmdCancel_Click();
}

}  // namespace brontaxe::app
