#pragma once
// Answers to the modal dialogs a command opens, given before the command runs: a body run on
// the next dialog of a type, or a script of steps, one dialog each, as a user answers them.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <functional>

namespace brontaxe::app {

// Runs `body` on the next modal dialog of type T once it is shown, polling the event loop, so
// that dialogs opened one after the other each get their turn; `ran` says it did.
template <class T>
void onModal(std::function<void(T&)> body, bool* ran = nullptr) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, ran, body = std::move(body)] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            if (ran)
                *ran = true;
            const QPointer<QWidget> shown(dialog);
            body(*dialog);
            // A check that failed inside `body` returned before closing it: closed here, the
            // test fails instead of waiting for its watchdog.
            if (shown && shown->isVisible())
                if (auto* d = qobject_cast<QDialog*>(shown.data()))
                    d->reject();
        }
    });
    timer->start(20);
}

// Answers the modal dialogs the command opens, one step each, in order. A step that finds its
// dialog not ready yet (false) is tried again at the next look.
class ModalScript : public QObject {
  public:
    using Step = std::function<bool(QWidget*)>;
    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(30);
    }
    bool done() const { return steps_.empty(); }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || steps_.empty() || modal == handled_)
            return;
        // A dialog is answered once it has been on show for one look: it has settled.
        if (modal != seen_) {
            seen_ = modal;
            return;
        }
        if (!steps_.front()(modal))
            return;
        handled_ = modal;
        steps_.pop_front();
    }
    std::deque<Step> steps_;
    QTimer timer_;
    QPointer<QWidget> seen_;  // null again once that dialog is gone
    QPointer<QWidget> handled_;
};

// A file dialog: the filter chosen, the file name typed, then accepted once the dialog holds
// that name.
inline ModalScript::Step chooseFile(const std::filesystem::path& path, const QString& filter = {}) {
    return [path, filter](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        // Typed into the name box, as the user does (selectFile leaves a focused box alone).
        const QString file = QString::fromStdString(path.string());
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!name)
            return false;
        name->setText(file);
        if (dialog->selectedFiles().value(0) != file)
            return false;
        static_cast<QDialog*>(dialog)->accept();  // as the "Save" button does
        return true;
    };
}

// A message box: its title and text kept, then the button of that caption clicked.
inline ModalScript::Step answer(const QString& caption, QString* text = nullptr,
                                QString* title = nullptr) {
    return [caption, text, title](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        for (QAbstractButton* b : box->buttons()) {
            if (b->text().remove('&') == caption ||
                (caption == "Oui" && box->buttonRole(b) == QMessageBox::YesRole) ||
                (caption == "OK" && box->buttonRole(b) == QMessageBox::AcceptRole)) {
                if (text)
                    *text = box->text();
                if (title)
                    *title = box->windowTitle();
                b->click();
                return true;
            }
        }
        qWarning() << "no button" << caption << "in" << box->text();
        return false;
    };
}

// Runs a command while the script answers its dialogs; every step must have run.
template <class Command>
auto runAnswering(std::deque<ModalScript::Step> steps, Command command) {
    ModalScript script(std::move(steps));
    auto result = command();
    QCoreApplication::processEvents();
    [&] { QVERIFY2(script.done(), "a dialog the test expected did not open"); }();
    return result;
}

}  // namespace brontaxe::app
