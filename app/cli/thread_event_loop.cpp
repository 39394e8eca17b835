#include "app/cli/thread_event_loop.h"

#include <chrono>

namespace vorlane::cli {

void ThreadEventLoop::Post(std::function<void()> task) {
    RunAfter(0, std::move(task));
}

void ThreadEventLoop::RunAfter(std::int64_t delayMs, std::function<void()> task) {
    const std::int64_t due = NowMs() + (delayMs > 0 ? delayMs : 0);
    {
        std::lock_guard lock(mutex_);
        tasks_.emplace(std::make_pair(due, sequence_++), std::move(task));
    }
    wake_.notify_all();
}

std::int64_t ThreadEventLoop::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ThreadEventLoop::Run() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (tasks_.empty()) {
            wake_.wait(lock);
            continue;
        }
        const std::int64_t wait = tasks_.begin()->first.first - NowMs();
        if (wait > 0) {
            wake_.wait_for(lock, std::chrono::milliseconds(wait));
            continue;
        }
        std::function<void()> task = std::move(tasks_.begin()->second);
        tasks_.erase(tasks_.begin());
        lock.unlock();
        task();
        lock.lock();
    }
}

void ThreadEventLoop::Quit() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
}

}  // namespace vorlane::cli
