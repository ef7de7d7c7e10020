#include "app/views/fold_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace brontaxe::app {

FoldWindow::FoldWindow(std::function<QString(const QString&)> exporter, QWidget* parent)
    : QDialog(parent), exporter_(std::move(exporter)) {
    setObjectName("frmVuePliee");
    setWindowTitle(QStringLiteral("Brontaxe - Vue pliée 3D"));
    resize(720, 560);
    view_ = new FoldView;
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName("pliage");
    slider_->setRange(0, 100);
    slider_->setValue(100);
    auto* percent = new QLabel(QStringLiteral("100 %"));
    percent->setMinimumWidth(48);
    auto* play = new QPushButton(QStringLiteral("Animer"));
    play->setObjectName("animer");
    auto* save = new QPushButton(QStringLiteral("Exporter..."));
    save->setObjectName("exporter");
    note_ = new QLabel;
    note_->setObjectName("note");
    note_->setWordWrap(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Pliage :")));
    controls->addWidget(slider_, 1);
    controls->addWidget(percent);
    controls->addWidget(play);
    controls->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(controls);
    layout->addWidget(note_);

    animation_ = new QVariantAnimation(this);
    animation_->setStartValue(0);
    animation_->setEndValue(100);
    animation_->setDuration(2000);
    connect(animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& v) { slider_->setValue(v.toInt()); });
    connect(slider_, &QSlider::valueChanged, this, [this, percent](int v) {
        percent->setText(QStringLiteral("%1 %").arg(v));
        view_->setFraction(v / 100.0);
    });
    connect(play, &QPushButton::clicked, this, [this] { animate(); });
    connect(save, &QPushButton::clicked, this, [this] { exportModel(); });
}

void FoldWindow::setScene(FoldScene scene, const QString& note) {
    view_->setScene(std::move(scene));
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void FoldWindow::animate() {
    animation_->stop();
    animation_->start();
}

void FoldWindow::exportModel() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Exporter la boîte pliée"),
                                     proposedFile_ ? proposedFile_() : QStringLiteral("boite.gltf"),
                                     QStringLiteral("glTF (*.gltf);;Wavefront OBJ (*.obj)"));
    if (path.isEmpty())
        return;
    const QString problem = exporter_(path);
    if (!problem.isEmpty())
        QMessageBox::warning(this, windowTitle(), problem);
}

}  // namespace brontaxe::app
