#pragma once

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace vorlane::ui::qt {

// Runs a task once, from the event loop, as soon as the widget's first paint has been handled,
// so after the first picture went to the screen: work the picture need not wait for goes there.
// Header-only, so that the bare window of the start-up benchmark measures the same moment.
class FirstPaintTask final : public QObject {
  public:
    FirstPaintTask(QWidget& widget, std::function<void()> task)
        : QObject(&widget), task_(std::move(task)) {
        widget.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !due_) {
            due_ = true;
            watched->removeEventFilter(this);
            // Queued: the rest of the window is painted and flushed before the task runs.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    task_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> task_;
    bool due_ = false;
};

inline void AfterFirstPaint(QWidget& widget, std::function<void()> task) {
    new FirstPaintTask(widget, std::move(task));
}

// With VORLANE_STARTUP_PROBE set, prints "painted <monotonic ns>" on standard output once the
// window is first painted: bench/gui/startup_bench.py times start-up by it.
inline void ReportFirstPaintIfAsked(QWidget& widget) {
    if (std::getenv("VORLANE_STARTUP_PROBE") == nullptr) {
        return;
    }
    AfterFirstPaint(widget, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("painted %lld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
    });
}

}  // namespace vorlane::ui::qt
