#include "tests/support/virtual_event_loop.h"

#include <algorithm>

namespace vorlane::ui {

void VirtualEventLoop::RepaintChangesNow() {
    ++repaintCount_;
    if (onRepaint) {
        onRepaint();
    }
}

void VirtualEventLoop::Post(std::function<void()> task) {
    RunAfter(0, std::move(task));
}

void VirtualEventLoop::RunAfter(std::int64_t delayMs, std::function<void()> task) {
    tasks_.emplace(std::make_pair(now_ + std::max<std::int64_t>(delayMs, 0), sequence_++),
                   std::move(task));
}

void VirtualEventLoop::AdvanceTo(std::int64_t timeMs) {
    while (!tasks_.empty() && tasks_.begin()->first.first <= timeMs) {
        auto node = tasks_.extract(tasks_.begin());
        now_ = std::max(now_, node.key().first);
        node.mapped()();
    }
    now_ = std::max(now_, timeMs);
}

void VirtualEventLoop::RunUntilIdle() {
    while (!tasks_.empty()) {
        AdvanceTo(tasks_.begin()->first.first);
    }
}

}  // namespace vorlane::ui
