#include "app/window/string_pass.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "platform/text.h"
#include "resources/string_table.h"

namespace brontaxe::app {
namespace {

constexpr const char* kStringEntry = "stringEntry";
constexpr const char* kToolTipEntry = "toolTipEntry";

void setCaption(QObject* object, const QString& caption) {
    const QString text = frenchSpacing(caption);
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

QString captionOf(const QObject* object) {
    if (const auto* label = qobject_cast<const QLabel*>(object))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(object))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(object))
        return group->title();
    if (const auto* menu = qobject_cast<const QMenu*>(object))
        return menu->title();
    if (const auto* action = qobject_cast<const QAction*>(object))
        return action->text();
    if (const auto* widget = qobject_cast<const QWidget*>(object); widget && widget->isWindow())
        return widget->windowTitle();
    return {};
}

// A caption written in the code rather than the table gets the same typography; one that
// needs none is left alone (a label showing a picture keeps it).
void respace(QObject* object) {
    const QString caption = captionOf(object);
    if (const QString spaced = frenchSpacing(caption); spaced != caption)
        setCaption(object, spaced);
}

class RespaceOnShow : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            respace(watched);
            for (QObject* child : watched->findChildren<QObject*>())
                respace(child);
        }
        return false;
    }
};

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
    else
        respace(object);
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

QString frenchSpacing(const QString& text) {
    return QString::fromStdString(platform::frenchSpacing(text.toStdString()));
}

void showMessage(QLabel* label, const QString& text, bool fault) {
    label->setText(frenchSpacing(text));
    label->setStyleSheet(fault ? QStringLiteral("color: #b00000;") : QString());
}

void respaceWindowsWhenShown() {
    QCoreApplication* app = QCoreApplication::instance();
    const QString name = QStringLiteral("respaceOnShow");
    if (!app || app->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new RespaceOnShow(app);
    filter->setObjectName(name);
    app->installEventFilter(filter);
}

void setStringEntry(QObject* object, int entry) {
    object->setProperty(kStringEntry, entry);
}

void setToolTipEntry(QObject* object, int entry) {
    object->setProperty(kToolTipEntry, entry);
}

}  // namespace brontaxe::app
