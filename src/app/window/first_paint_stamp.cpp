#include "app/window/first_paint_stamp.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <fstream>

namespace brontaxe::app {
namespace {

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& view, std::string file) : QObject(&view), file_(std::move(file)) {
        view.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: runs once this paint has been done and put on the screen.
            QTimer::singleShot(0, this, [this] { writeStamp(); });
        }
        return false;
    }

  private:
    void writeStamp() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        char text[32];
        std::snprintf(text, sizeof text, "%.3f\n", std::chrono::duration<double>(now).count());
        std::ofstream(file_) << text;
        deleteLater();
    }

    std::string file_;
};

}  // namespace

void stampFirstPaint(QWidget& view, const std::string& file) {
    new FirstPaintWatch(view, file);  // owned by the view
}

}  // namespace brontaxe::app
