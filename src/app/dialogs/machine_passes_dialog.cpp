#include "app/dialogs/machine_passes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace brontaxe::app {
namespace {

// The sketch's geometry in pixels: a narrow glue-tab column, then four panel columns; rows of
// upper flaps, body and lower flaps, and a row of widths underneath.
constexpr int kLeft = 30;
constexpr int kTab = 46;
constexpr int kPanel = 120;
constexpr int kTop = 30;
constexpr int kFlap = 80;
constexpr int kBody = 120;
constexpr int kSlot = 6;
constexpr int kWidth = kLeft + kTab + 4 * kPanel + 110;
constexpr int kHeight = kTop + 2 * kFlap + kBody + 60;

int columnLeft(int column) {
    return column == 0 ? kLeft : kLeft + kTab + (column - 1) * kPanel;
}
int columnRight(int column) {
    return column == 0 ? kLeft + kTab : columnLeft(column) + kPanel;
}

}  // namespace

// The blank drawn as lines: cuts in black, creases in red dashes, as on the drawing.
class PassesSketch : public QWidget {
  public:
    explicit PassesSketch(int columns) : columns_(columns) { setFixedSize(kWidth, kHeight); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        const int bodyTop = kTop + kFlap;
        const int bodyBottom = bodyTop + kBody;
        const int right = columnRight(columns_ - 1);
        const QPen cut(Qt::black, 1.5);
        QPen crease(QColor(200, 0, 0), 1.2, Qt::DashLine);

        // Folds: between the columns across the body, and along the flaps.
        p.setPen(crease);
        for (int c = 1; c < columns_; ++c)
            p.drawLine(columnLeft(c), bodyTop, columnLeft(c), bodyBottom);
        p.drawLine(columnLeft(1), bodyTop, right, bodyTop);
        p.drawLine(columnLeft(1), bodyBottom, right, bodyBottom);

        p.setPen(cut);
        // The glue tab, its ends bevelled.
        QPainterPath tab;
        tab.moveTo(columnLeft(1), bodyTop);
        tab.lineTo(kLeft, bodyTop + 14);
        tab.lineTo(kLeft, bodyBottom - 14);
        tab.lineTo(columnLeft(1), bodyBottom);
        p.drawPath(tab);
        // The free end, and each panel's flaps with a slot on either side.
        p.drawLine(right, bodyTop, right, bodyBottom);
        for (int c = 1; c < columns_; ++c) {
            const int l = columnLeft(c) + (c == 1 ? 0 : kSlot / 2);
            const int r = columnRight(c) - (c == columns_ - 1 ? 0 : kSlot / 2);
            p.drawLine(l, bodyTop, l, kTop);
            p.drawLine(l, kTop, r, kTop);
            p.drawLine(r, kTop, r, bodyTop);
            p.drawLine(l, bodyBottom, l, bodyBottom + kFlap);
            p.drawLine(l, bodyBottom + kFlap, r, bodyBottom + kFlap);
            p.drawLine(r, bodyBottom + kFlap, r, bodyBottom);
            if (c > 1)
                p.drawLine(columnLeft(c) - kSlot / 2, bodyTop, columnLeft(c) + kSlot / 2, bodyTop);
            if (c > 1)
                p.drawLine(columnLeft(c) - kSlot / 2, bodyBottom, columnLeft(c) + kSlot / 2,
                           bodyBottom);
        }
        // The widths' row: one tick at each fold.
        p.setPen(QPen(QColor(0, 0, 160), 1));
        const int row = bodyBottom + kFlap + 14;
        p.drawLine(kLeft, row, right, row);
        for (int c = 0; c <= columns_; ++c) {
            const int x = c == columns_ ? right : columnLeft(c);
            p.drawLine(x, row - 5, x, row + 5);
        }
    }

  private:
    int columns_;
};

MachinePassesDialog::MachinePassesDialog(const std::array<float, 17>& passes, QWidget* parent)
    : QDialog(parent), view_(machinePassesView(passes)) {
    setObjectName("frmPassage");
    setWindowTitle(QStringLiteral("Passages-Machine"));
    sketch_ = new PassesSketch(columnsShown());
    sketch_->setObjectName("sketch");
    const auto label = [this](const std::string& text, const QString& name) {
        auto* l = new QLabel(QString::fromStdString(text), sketch_);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    for (int k = 0; k < 5; ++k) {
        const auto i = static_cast<std::size_t>(k);
        panelWidths_[i] = label(view_.panelWidths[i], QStringLiteral("PX_%1").arg(k));
        upperFlaps_[i] = label(view_.upperFlaps[i], QStringLiteral("RHY_%1").arg(k));
        lowerFlaps_[i] = label(view_.lowerFlaps[i], QStringLiteral("RBY_%1").arg(k));
        place(upperFlaps_[i], k, 0);
        place(lowerFlaps_[i], k, 2);
        place(panelWidths_[i], k, 3);
        // A hidden column takes its three labels with it.
        const bool shown = (k != 3 || view_.fourthColumn) && (k != 4 || view_.fifthColumn);
        panelWidths_[i]->setVisible(shown);
        upperFlaps_[i]->setVisible(shown);
        lowerFlaps_[i]->setVisible(shown);
    }
    bodyHeight_ = label(view_.bodyHeight, QStringLiteral("HY0"));
    bodyHeight_->setGeometry(columnRight(columnsShown() - 1) + 8, kTop + kFlap + kBody / 2 - 10, 90,
                             20);
    bodyHeight_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sketch_);
    if (!view_.recorded) {
        // A sketch of zeros would pass for a slotted case: the style has no passes to show.
        sketch_->hide();
        auto* none = new QLabel(QString::fromUtf8(kNoMachinePasses));
        none->setObjectName("aucunPassage");
        none->setWordWrap(true);
        layout->addWidget(none);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

int MachinePassesDialog::columnsShown() const {
    if (view_.fifthColumn)
        return 5;
    return view_.fourthColumn ? 4 : 3;
}

// Row 0 the upper flaps, 2 the lower ones, 3 the widths under the blank.
void MachinePassesDialog::place(QLabel* label, int column, int row) {
    const int left = columnLeft(column);
    const int width = columnRight(column) - left;
    int y = 0;
    if (row == 0)
        y = kTop + kFlap / 2 - 10;
    else if (row == 2)
        y = kTop + kFlap + kBody + kFlap / 2 - 10;
    else
        y = kTop + 2 * kFlap + kBody + 22;
    // The glue tab's column is narrow: its labels may overhang it.
    const int extra = column == 0 ? 20 : 0;
    label->setGeometry(left - extra, y, width + 2 * extra, 20);
}

}  // namespace brontaxe::app
