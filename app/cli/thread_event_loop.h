#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <utility>

#include "ui/event_loop.h"

namespace vorlane::cli {

// The command line's event loop: Run executes posted and timed tasks on the calling thread
// until Quit. Post and Quit may be called from any thread; RunAfter only from a task.
class ThreadEventLoop final : public ui::EventLoop {
  public:
    void RepaintChangesNow() override {}
    void Post(std::function<void()> task) override;
    void RunAfter(std::int64_t delayMs, std::function<void()> task) override;
    std::int64_t NowMs() const override;

    void Run();
    void Quit();

  private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    std::uint64_t sequence_ = 0;
    std::map<std::pair<std::int64_t, std::uint64_t>, std::function<void()>> tasks_;
};

}  // namespace vorlane::cli
