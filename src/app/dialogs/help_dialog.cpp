#include "app/dialogs/help_dialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/dialogs/help_text.h"
#include "platform/program_files.h"

namespace brontaxe::app {

std::filesystem::path manualPath() {
    return platform::manualFile(platform::processEnvironment(), platform::runningExecutable());
}

HelpDialog::HelpDialog(QWidget* parent, std::filesystem::path manual, const QString& anchor)
    : QDialog(parent), manual_(std::move(manual)) {
    setObjectName("frmHelp");
    setWindowTitle(QStringLiteral("Aide"));
    text_ = new QTextBrowser;
    text_->setObjectName("helpText");
    text_->setHtml(helpHtml());
    if (!anchor.isEmpty())
        text_->scrollToAnchor(anchor);

    std::error_code ec;
    const bool hasManual = std::filesystem::is_regular_file(manual_, ec);
    manualButton_ = new QPushButton(QStringLiteral("Manuel (PDF)..."));
    manualButton_->setObjectName("openManual");
    manualButton_->setEnabled(hasManual);
    manualButton_->setToolTip(hasManual ? QString::fromStdString(manual_.string())
                                        : QStringLiteral("Manuel non installé : %1")
                                              .arg(QString::fromStdString(manual_.string())));
    connect(manualButton_, &QPushButton::clicked, this, [this] { openManual(); });
    auto* close = new QPushButton(QStringLiteral("Fermer"));
    close->setObjectName("closeHelp");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(manualButton_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(640, 620);
}

void HelpDialog::openManual() {
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(manual_.string()));
    if (!QDesktopServices::openUrl(url))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Aucun lecteur de PDF n'a pu ouvrir %1")
                                 .arg(QString::fromStdString(manual_.string())));
}

}  // namespace brontaxe::app
