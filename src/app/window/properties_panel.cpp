#include "app/window/properties_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "app/window/entry_box.h"
#include "platform/number_text.h"
#include "platform/user_number.h"

namespace brontaxe::app {
namespace {

struct KindName {
    LineKind kind;
    const char* name;
};
constexpr std::array<KindName, 5> kKindNames{{
    {kind::Cut, "Coupant"},
    {kind::Crease, "Rainant"},
    {kind::Perforation, "Perfo"},
    {kind::HalfCut, "Mi-Chair"},
    {kind::PerforatedCrease, "Perfo Rainant"},
}};

QString shapeName(const Element& e) {
    if (std::holds_alternative<LineShape>(e.shape))
        return QStringLiteral("ligne");
    if (const auto* a = std::get_if<ArcShape>(&e.shape))
        return a->sweepDeg >= 360 ? QStringLiteral("cercle") : QStringLiteral("arc");
    if (std::holds_alternative<TextShape>(e.shape))
        return QStringLiteral("texte");
    if (std::holds_alternative<DimensionShape>(e.shape))
        return QStringLiteral("cote");
    return QStringLiteral("élément");
}

}  // namespace

QString lineKindName(LineKind kind) {
    for (const KindName& k : kKindNames)
        if (k.kind == kind)
            return QString::fromUtf8(k.name);
    return {};
}

PropertiesPanel::PropertiesPanel(QWidget* parent)
    : QDockWidget(QStringLiteral("Propriétés"), parent),
      heading_(new QLabel),
      form_(new QFormLayout) {
    setObjectName("proprietes");
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    heading_->setObjectName("proprietesTitre");
    heading_->setWordWrap(true);
    column->addWidget(heading_);
    column->addLayout(form_);
    column->addStretch(1);
    // As wide with a selection as without: the drawing beside it keeps its width.
    body->setFixedWidth(230);
    setWidget(body);
    showSelection({});
}

void PropertiesPanel::showSelection(const std::vector<Element>& selected) {
    clearRows();
    if (selected.empty()) {
        heading_->setText(QStringLiteral("Aucun élément sélectionné"));
        return;
    }
    if (selected.size() > 1) {
        heading_->setText(QStringLiteral("%1 éléments sélectionnés").arg(selected.size()));
        addKindRow(selected);
        const bool samePiece = std::all_of(selected.begin(), selected.end(), [&](const Element& e) {
            return e.piece == selected.front().piece;
        });
        addNumberRow({editing::Property::Piece, static_cast<double>(selected.front().piece)},
                     samePiece);
        return;
    }
    const Element& e = selected.front();
    heading_->setText(QStringLiteral("Une %1").arg(shapeName(e)));
    for (const editing::PropertyValue& v : editing::propertiesOf(e)) {
        if (v.property == editing::Property::Kind)
            addKindRow(selected);
        else
            addNumberRow(v, true);
    }
}

QString PropertiesPanel::heading() const {
    return heading_->text();
}

QWidget* PropertiesPanel::editorOf(editing::Property property) const {
    const auto found = editors_.find(property);
    return found == editors_.end() ? nullptr : found->second;
}

// The rows go once control is back in the event loop: the box whose value was just typed
// may be the one asking for the panel to be shown again.
void PropertiesPanel::clearRows() {
    editors_.clear();
    while (form_->rowCount() > 0) {
        const QFormLayout::TakeRowResult row = form_->takeRow(0);
        for (QLayoutItem* item : {row.labelItem, row.fieldItem}) {
            if (!item)
                continue;
            if (QWidget* w = item->widget()) {
                w->blockSignals(true);
                w->hide();
                w->deleteLater();
            }
            delete item;
        }
    }
}

void PropertiesPanel::addKindRow(const std::vector<Element>& selected) {
    auto* list = new QComboBox;
    list->setObjectName("proprieteType");
    for (const KindName& k : kKindNames)
        list->addItem(QString::fromUtf8(k.name), lineKindNumber(k.kind));
    const LineKind first = selected.front().lineKind;
    const bool same = std::all_of(selected.begin(), selected.end(),
                                  [first](const Element& e) { return e.lineKind == first; });
    list->setCurrentIndex(same ? list->findData(lineKindNumber(first)) : -1);
    connect(list, &QComboBox::activated, this, [this, list](int index) {
        emit propertyEdited(editing::Property::Kind, list->itemData(index).toInt());
    });
    form_->addRow(QString::fromUtf8(editing::propertyLabel(editing::Property::Kind)), list);
    editors_[editing::Property::Kind] = list;
}

void PropertiesPanel::addNumberRow(const editing::PropertyValue& value, bool same) {
    auto* box = new EntryBox;
    box->setObjectName(QStringLiteral("propriete%1").arg(static_cast<int>(value.property)));
    box->setAlignment(Qt::AlignRight);
    box->setText(same ? QString::fromStdString(platform::shownNumber(value.value, 9)) : QString());
    box->acceptEntry();
    box->setReadOnly(!value.editable);
    const editing::Property property = value.property;
    connect(box, &EntryBox::committed, this, [this, box, property] {
        if (box->text() == box->acceptedText())
            return;
        const std::optional<double> typed = platform::readUserNumber(box->text().toStdString());
        if (!typed) {
            box->refuseEntry();
            return;
        }
        emit propertyEdited(property, *typed);
    });
    form_->addRow(QString::fromUtf8(editing::propertyLabel(property)), box);
    editors_[property] = box;
}

}  // namespace brontaxe::app
