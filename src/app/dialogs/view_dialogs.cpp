#include "app/dialogs/view_dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "app/window/string_pass.h"
#include "resources/string_table.h"

namespace brontaxe::app {
namespace {

struct KindEntry {
    LineKind lineKind;
    int entry;  // its caption in the string table
};
// Line kinds in the order the totals list them, then the helpers.
constexpr std::array<KindEntry, 8> kKinds{{{kind::Cut, 1401},
                                           {kind::Crease, 1402},
                                           {kind::Perforation, 1403},
                                           {kind::HalfCut, 1404},
                                           {kind::PerforatedCrease, 1405},
                                           {kind::Auxiliary, 1406},
                                           {kind::SectionLine, 1407},
                                           {kind::Text, 1408}}};

struct RoleEntry {
    PenRole role;
    int entry;
};
constexpr std::array<RoleEntry, kPenRoleCount> kRoles{{{PenRole::Cut, 1401},
                                                       {PenRole::Crease, 1402},
                                                       {PenRole::Perforation, 1403},
                                                       {PenRole::HalfCut, 1404},
                                                       {PenRole::PerforatedCrease, 1405},
                                                       {PenRole::Auxiliary, 1406},
                                                       {PenRole::SectionLine, 1407},
                                                       {PenRole::Text, 1408},
                                                       {PenRole::Dimension, 1409},
                                                       {PenRole::SheetOutline, 1410}}};

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void paintSwatch(QPushButton* button, const QColor& colour) {
    QPixmap swatch(36, 14);
    swatch.fill(colour);
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}

}  // namespace

FilterDialog::FilterDialog(const std::set<LineKind>& hiddenKinds, bool hideDimensions,
                           const StringTable& strings, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmFiltres");
    setStringEntry(this, 1400);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(this);
    setStringEntry(hint, 1411);
    layout->addWidget(hint);
    for (const KindEntry& k : kKinds) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QString("kind%1").arg(lineKindNumber(k.lineKind)));
        setStringEntry(box, k.entry);
        box->setChecked(hiddenKinds.count(k.lineKind) != 0);
        kinds_[k.lineKind] = box;
        layout->addWidget(box);
    }
    dimensions_ = new QCheckBox(QStringLiteral("Cotation"), this);
    dimensions_->setObjectName("COTATION");
    dimensions_->setChecked(hideDimensions);
    layout->addWidget(dimensions_);
    layout->addWidget(okCancel(this));
    applyStringTable(this, strings);
}

std::set<LineKind> FilterDialog::hiddenKinds() const {
    std::set<LineKind> hidden;
    for (const auto& [lineKind, box] : kinds_)
        if (box->isChecked())
            hidden.insert(lineKind);
    return hidden;
}

bool FilterDialog::hideDimensions() const {
    return dimensions_->isChecked();
}

PenDialog::PenDialog(const PenSet& pens, const StringTable& strings, QWidget* parent)
    : QDialog(parent), pens_(pens) {
    setObjectName("frmStylos");
    setStringEntry(this, 1420);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* colourHead = new QLabel(this);
    setStringEntry(colourHead, 1421);
    auto* widthHead = new QLabel(this);
    setStringEntry(widthHead, 1422);
    grid->addWidget(colourHead, 0, 1);
    grid->addWidget(widthHead, 0, 2);
    int row = 1;
    for (const RoleEntry& r : kRoles) {
        auto* name = new QLabel(this);
        setStringEntry(name, r.entry);
        auto* colour = new QPushButton(this);
        paintSwatch(colour, pens_.pen(r.role).colour);
        colourButtons_[r.role] = colour;
        connect(colour, &QPushButton::clicked, this, [this, role = r.role] { showColour(role); });
        auto* width = new QDoubleSpinBox(this);
        width->setRange(0.05, 3.0);
        width->setSingleStep(0.05);
        width->setDecimals(2);
        width->setSuffix(" mm");
        width->setValue(pens_.pen(r.role).widthMm);
        connect(width, &QDoubleSpinBox::valueChanged, this, [this, role = r.role](double w) {
            ScreenPen p = pens_.pen(role);
            p.widthMm = w;
            pens_.setPen(role, p);
        });
        grid->addWidget(name, row, 0);
        grid->addWidget(colour, row, 1);
        grid->addWidget(width, row, 2);
        ++row;
    }
    layout->addLayout(grid);
    layout->addWidget(okCancel(this));
    applyStringTable(this, strings);
}

void PenDialog::showColour(PenRole role) {
    ScreenPen p = pens_.pen(role);
    const QColor chosen = QColorDialog::getColor(p.colour, this);
    if (!chosen.isValid())
        return;
    p.colour = chosen;
    pens_.setPen(role, p);
    paintSwatch(colourButtons_[role], chosen);
}

}  // namespace brontaxe::app
