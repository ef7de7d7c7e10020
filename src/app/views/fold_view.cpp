#include "app/views/fold_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "fold/collision.h"
#include "fold/style_folds.h"
#include "workbench/design_fold.h"

namespace brontaxe::app {

namespace {

// The folded blank of `code` and what the window says of it.
FoldScene sceneOf(fold::FoldedBlank folded, const std::string& code, QString* note) {
    auto model = std::make_shared<fold::FoldedBlank>(std::move(folded));
    if (note) {
        note->clear();
        if (const auto reason = fold::notFoldingYet(code))
            *note =
                QStringLiteral("Ce modèle ne se plie pas encore : %1")
                    .arg(QString::fromUtf8(reason->data(), static_cast<qsizetype>(reason->size())));
        else if (const auto crossing = fold::collisions(*model, fold::placements(*model, 1.0));
                 !crossing.empty())
            *note =
                QStringLiteral("Pliée, %1 paire(s) de faces se traversent").arg(crossing.size());
    }
    return {std::move(model), upDirection(code)};
}

}  // namespace

FoldScene foldScene(const Drawing& d, const std::string& code, const Model& m, QString* note) {
    return sceneOf(fold::foldStyle(d, code, m), code, note);
}

FoldScene foldScene(const Workbench& wb, QString* note) {
    const std::string& code = wb.model().CodeModele;
    DesignFold fold = foldDesign(wb);
    if (!fold.flatBecause)
        return sceneOf(std::move(fold.folded), code, note);
    if (note)
        *note = QString::fromStdString(*fold.flatBecause);
    return {std::make_shared<fold::FoldedBlank>(std::move(fold.folded)), upDirection(code)};
}

FoldView::FoldView(QWidget* parent) : QWidget(parent) {
    setObjectName("vuePliee");
    setMinimumSize(200, 150);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void FoldView::setScene(FoldScene scene) {
    scene_ = std::move(scene);
    update();
}

void FoldView::setFraction(double fraction) {
    fraction_ = std::clamp(fraction, 0.0, 1.0);
    update();
}

void FoldView::paintEvent(QPaintEvent*) {
    if (!scene_.model)
        return;
    QPainter painter(this);
    paintFold(painter, QRectF(rect()).adjusted(8, 8, -8, -8), *scene_.model, fraction_, camera_,
              scene_.up);
}

void FoldView::mousePressEvent(QMouseEvent* event) {
    lastDrag_ = event->position();
}

void FoldView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF d = event->position() - lastDrag_;
    lastDrag_ = event->position();
    camera_.yawDeg += d.x() * 0.5;
    camera_.pitchDeg = std::clamp(camera_.pitchDeg + d.y() * 0.5, -89.0, 89.0);
    update();
}

void FoldView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    camera_.zoom = std::clamp(camera_.zoom * std::pow(1.15, steps), 0.2, 20.0);
    update();
}

}  // namespace brontaxe::app
