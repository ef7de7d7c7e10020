#include "app/window/string_pass.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "resources/string_table.h"

namespace brontaxe::app {
namespace {

constexpr const char* kStringEntry = "stringEntry";
constexpr const char* kToolTipEntry = "toolTipEntry";

void setCaption(QObject* object, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        group->setTitle(text);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(text);
    } else if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) {
        widget->setWindowTitle(text);
    }
}

void setToolTip(QObject* object, const QString& text) {
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->setToolTip(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setToolTip(text);
    }
}

void applyTo(QObject* object, const StringTable& table) {
    bool ok = false;
    const int entry = object->property(kStringEntry).toInt(&ok);
    if (ok && table.contains(entry))
        setCaption(object, QString::fromStdString(table.text(entry)));
    const int tip = object->property(kToolTipEntry).toInt(&ok);
    if (ok && table.contains(tip))
        setToolTip(object, QString::fromStdString(table.text(tip)));
}

}  // namespace

void applyStringTable(QObject* root, const StringTable& table) {
    applyTo(root, table);
    for (QObject* child : root->findChildren<QObject*>())
        applyTo(child, table);
}

void setStringEntry(QObject* object, int entry) {
    object->setProperty(kStringEntry, entry);
}

void setToolTipEntry(QObject* object, int entry) {
    object->setProperty(kToolTipEntry, entry);
}

}  // namespace brontaxe::app
