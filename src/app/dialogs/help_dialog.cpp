#include "app/dialogs/help_dialog.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/manual/manual_pictures.h"
#include "app/manual/manual_tables.h"
#include "platform/program_files.h"

namespace brontaxe::app {
namespace {

constexpr int kPositionRole = Qt::UserRole;

QString fromPath(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// What the user typed, as a pattern where a space also matches the non-breaking spaces the
// manual sets before « : ; ? ! » and inside « ».
QRegularExpression searchPattern(const QString& typed) {
    const QString spaces = QStringLiteral("[\\s\\x{00A0}\\x{202F}]+");
    QStringList words;
    for (const QString& word : typed.split(QRegularExpression(spaces), Qt::SkipEmptyParts))
        words << QRegularExpression::escape(word);
    return QRegularExpression(words.join(spaces), QRegularExpression::CaseInsensitiveOption);
}

}  // namespace

std::filesystem::path manualTextPath() {
    return platform::manualText(platform::runningExecutable());
}

std::filesystem::path manualPath() {
    return platform::manualFile(platform::processEnvironment(), platform::runningExecutable());
}

HelpDialog::HelpDialog(QWidget* parent, const std::filesystem::path& text,
                       const std::filesystem::path& pdf, const QString& section)
    : QDialog(parent) {
    setObjectName("frmHelp");
    setWindowTitle(QStringLiteral("Aide de Brontaxe"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    text_ = new QTextBrowser;
    text_->setObjectName("helpText");
    text_->setOpenExternalLinks(true);
    contents_ = new QTreeWidget;
    contents_->setObjectName("helpContents");
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showBlock(item->data(0, kPositionRole).toInt()); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showBlock(item->data(0, kPositionRole).toInt()); });

    search_ = new QLineEdit;
    search_->setObjectName("helpSearch");
    search_->setPlaceholderText(QStringLiteral("Rechercher dans le manuel"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    auto* previous = new QPushButton(QStringLiteral("Précédent"));
    previous->setObjectName("helpFindPrevious");
    previous->setAutoDefault(false);
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    auto* next = new QPushButton(QStringLiteral("Suivant"));
    next->setObjectName("helpFindNext");
    next->setAutoDefault(false);
    connect(next, &QPushButton::clicked, this, [this] { findNext(); });
    searchStatus_ = new QLabel;
    searchStatus_->setObjectName("helpSearchStatus");
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        search_->setFocus();
        search_->selectAll();
    });
    auto* findAgain = new QShortcut(QKeySequence::FindNext, this);
    connect(findAgain, &QShortcut::activated, this, [this] { findNext(); });

    std::error_code ec;
    auto* printable = new QLabel(
        std::filesystem::is_regular_file(pdf, ec)
            ? QStringLiteral("Manuel à imprimer (PDF) : %1").arg(fromPath(pdf))
            : QStringLiteral("Manuel à imprimer (PDF) non installé : %1").arg(fromPath(pdf)));
    printable->setObjectName("helpPdf");
    printable->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* close = new QPushButton(QStringLiteral("Fermer"));
    close->setObjectName("closeHelp");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(previous);
    searchRow->addWidget(next);
    searchRow->addWidget(searchStatus_);
    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 760});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printable, 1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(1100, 760);

    load(text);
    if (!section.isEmpty())
        showSection(section);
}

void HelpDialog::load(const std::filesystem::path& text) {
    QFile file(fromPath(text));
    if (!file.open(QIODevice::ReadOnly)) {
        text_->setPlainText(QStringLiteral("Manuel introuvable : %1").arg(fromPath(text)));
        return;
    }
    auto* doc = new QTextDocument(text_);
    doc->setMarkdown(QString::fromUtf8(file.readAll()), QTextDocument::MarkdownDialectGitHub);
    manual::placePictures(*doc, QFileInfo(fromPath(text)).absoluteDir(), manual::fitToHelpWindow,
                          manual::MissingPicture::Say);
    manual::padTables(*doc);
    // The printed manual's table of contents is filled with page numbers; here the list beside
    // the text stands for it.
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() > 0 &&
            b.text() == QStringLiteral("Table des matières")) {
            QTextCursor c(b);
            c.select(QTextCursor::BlockUnderCursor);
            c.removeSelectedText();
            break;
        }
    }
    text_->setDocument(doc);
    fillContents();
}

// The chapters, and their sections under them; the manual's own title left out.
void HelpDialog::fillContents() {
    contents_->clear();
    QTreeWidgetItem* chapter = nullptr;
    bool title = true;
    for (QTextBlock b = text_->document()->begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level < 1 || level > 2)
            continue;
        if (std::exchange(title, false))
            continue;
        auto* item =
            level == 1 || !chapter ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(chapter);
        item->setText(0, b.text());
        item->setData(0, kPositionRole, b.position());
        if (level == 1)
            chapter = item;
    }
    contents_->expandAll();
}

void HelpDialog::showBlock(int position) {
    QTextCursor c(text_->document());
    c.setPosition(position);
    text_->setTextCursor(c);
    // The heading at the top of the view, not merely somewhere in it.
    const QRectF box = text_->document()->documentLayout()->blockBoundingRect(c.block());
    text_->verticalScrollBar()->setValue(static_cast<int>(box.top()));
}

bool HelpDialog::showSection(const QString& section) {
    for (QTextBlock b = text_->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() > 0 &&
            b.text().startsWith(section, Qt::CaseInsensitive)) {
            showBlock(b.position());
            return true;
        }
    }
    return false;
}

bool HelpDialog::findNext(bool backward) {
    const QRegularExpression wanted = searchPattern(search_->text());
    if (search_->text().trimmed().isEmpty()) {
        searchStatus_->clear();
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = text_->find(wanted, flags);
    if (!found) {
        // Round the end of the manual to its other end.
        QTextCursor c(text_->document());
        c.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        text_->setTextCursor(c);
        found = text_->find(wanted, flags);
    }
    searchStatus_->setText(found ? QString() : QStringLiteral("Introuvable"));
    searchStatus_->setStyleSheet(found ? QString() : QStringLiteral("color: #b00000;"));
    return found;
}

}  // namespace brontaxe::app
