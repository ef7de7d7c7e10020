#include "app/dialogs/pallet_load_dialog.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>

namespace brontaxe::app {
namespace {

constexpr QSize kPicture(200, 150);

void drawPallet(QPainter& p) {
    p.setPen(QPen(QColor(110, 75, 40), 1.5));
    p.setBrush(QColor(222, 184, 135));
    p.drawRect(20, 120, 160, 12);
    for (int x : {24, 92, 160})
        p.drawRect(x, 132, 16, 10);
}

// A stack of flat blanks, bundled.
QPixmap flatBlanksPicture() {
    QPixmap pm(kPicture);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawPallet(p);
    p.setPen(QPen(QColor(140, 100, 50), 1));
    for (int i = 0; i < 20; ++i) {
        p.setBrush(i % 2 ? QColor(214, 170, 110) : QColor(200, 155, 95));
        p.drawRect(26, 114 - i * 4, 148, 4);
    }
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(60, 38, 60, 118);
    p.drawLine(140, 38, 140, 118);
    return pm;
}

// Erected cases, three high.
QPixmap erectedCasesPicture() {
    QPixmap pm(kPicture);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawPallet(p);
    p.setPen(QPen(QColor(120, 80, 40), 1.2));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF box(24 + col * 51, 86 - row * 33, 50, 33);
            p.setBrush(QColor(210, 165, 100));
            p.drawRect(box);
            p.drawLine(QPointF(box.left(), box.top() + 6), QPointF(box.right(), box.top() + 6));
        }
    }
    return pm;
}

QToolButton* picture(const char* name, const QPixmap& pm, const QString& caption) {
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setIcon(pm);
    b->setIconSize(kPicture);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

PalletLoadDialog::PalletLoadDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmChoixPalet");
    setWindowTitle(QStringLiteral("Brontaxe - Palettisation"));
    QToolButton* flat =
        picture("Image1", flatBlanksPicture(), QStringLiteral("Palettisation Caisse à plat"));
    QToolButton* erected = picture("Image2", erectedCasesPicture(),
                                   QStringLiteral("Palettisation Caisse montée et remplie"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(flat);
    layout->addWidget(erected);
    connect(flat, &QToolButton::clicked, this, [this] { flatBlanksChosen(); });
    connect(erected, &QToolButton::clicked, this, [this] { casesChosen(); });
}

void PalletLoadDialog::flatBlanksChosen() {
    loadKind_ = pallet::LoadKind::FlatBlanks;
    accept();
}

void PalletLoadDialog::casesChosen() {
    loadKind_ = pallet::LoadKind::ErectedCases;
    accept();
}

}  // namespace brontaxe::app
