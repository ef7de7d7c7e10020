#include "app/window/check_panel.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/views/drawing_view.h"
#include "app/window/string_pass.h"

namespace brontaxe::app {

CheckPanel::CheckPanel(QWidget* parent)
    : QWidget(parent), verdict_(new QPushButton(this)), list_(new QListWidget(this)) {
    setObjectName("controle");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    verdict_->setObjectName("lbControle");
    verdict_->setFlat(true);
    verdict_->setCursor(Qt::PointingHandCursor);
    verdict_->setToolTip(QStringLiteral("Liste des défauts de la découpe"));
    list_->setObjectName("lstControle");
    list_->setWordWrap(true);
    // Each finding wraps on two or three lines of the narrow column: room for several of them,
    // the column scrolling beyond.
    list_->setMinimumHeight(220);
    list_->setMaximumHeight(420);
    list_->hide();
    layout->addWidget(verdict_);
    layout->addWidget(list_);
    connect(verdict_, &QPushButton::clicked, this, &CheckPanel::toggleList);
    connect(list_, &QListWidget::currentRowChanged, this, &CheckPanel::highlight);
    showFindings({});
}

void CheckPanel::showFindings(std::vector<Finding> findings) {
    findings_ = std::move(findings);
    verdict_->setText(frenchSpacing(QString::fromStdString(verdictText(findings_))));
    // Red for a défaut, amber when only avertissements are left.
    const QString colour = defectCount(findings_) > 0 ? QStringLiteral(" color: #b00000;")
                           : findings_.empty()        ? QString()
                                                      : QStringLiteral(" color: #a06000;");
    verdict_->setStyleSheet(QStringLiteral("text-align: left;") + colour);
    verdict_->setEnabled(!findings_.empty());
    {
        const QSignalBlocker block(list_);
        list_->clear();
        for (const Finding& f : findings_)
            list_->addItem(frenchSpacing(QString::fromStdString(
                f.severity == Severity::Warning ? "Avertissement - " + f.message : f.message)));
    }
    list_->hide();
    highlight(-1);
}

void CheckPanel::setView(DrawingView* view) {
    view_ = view;
}

QString CheckPanel::verdict() const {
    return verdict_->text();
}

bool CheckPanel::listShown() const {
    return list_->isVisibleTo(this);
}

void CheckPanel::toggleList() {
    list_->setVisible(!list_->isVisibleTo(this) && !findings_.empty());
}

void CheckPanel::highlight(int row) {
    std::vector<ElementId> ids;
    std::vector<Point> places;
    for (int i = 0; i < static_cast<int>(findings_.size()); ++i) {
        if (row >= 0 && i != row)
            continue;
        const Finding& f = findings_[static_cast<std::size_t>(i)];
        ids.insert(ids.end(), f.elements.begin(), f.elements.end());
        // Fold findings name no element and no place on the blank.
        if (!f.elements.empty())
            places.push_back(f.position);
    }
    if (view_)
        view_->setHighlights(ids, places);
}

}  // namespace brontaxe::app
