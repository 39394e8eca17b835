#include "ui/qt/qt_event_loop.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <limits>

namespace vorlane::ui::qt {

QtEventLoop::QtEventLoop() = default;
QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::RepaintChangesNow() {
    if (view_) {
        view_->Push();
        view_->RepaintChanges();
    }
}

std::function<void()> QtEventLoop::AndPush(std::function<void()> task) {
    return [this, task = std::move(task)] {
        task();
        if (view_) {
            view_->Push();
        }
    };
}

void PostedTasks::Add(std::function<void()> task) {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
}

void PostedTasks::RunOne() {
    std::function<void()> task;
    {
        const std::lock_guard lock(mutex_);
        if (tasks_.empty()) {
            return;
        }
        task = std::move(tasks_.front());
        tasks_.pop_front();
    }
    task();
}

void QtEventLoop::Post(std::function<void()> task) {
    posted_.Add(AndPush(std::move(task)));
    QMetaObject::invokeMethod(&posted_, "RunOne", Qt::QueuedConnection);
}

void QtEventLoop::RunAfter(std::int64_t delayMs, std::function<void()> task) {
    const auto clamped = std::clamp<std::int64_t>(delayMs, 0, std::numeric_limits<int>::max());
    QTimer::singleShot(static_cast<int>(clamped), Qt::PreciseTimer, &context_,
                       AndPush(std::move(task)));
}

std::int64_t QtEventLoop::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace vorlane::ui::qt
