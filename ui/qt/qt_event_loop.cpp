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

void QtEventLoop::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(&context_, AndPush(std::move(task)), Qt::QueuedConnection);
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
