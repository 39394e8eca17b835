#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "ui/event_loop.h"

namespace vorlane::ui {

// An event loop on virtual time for tests and benchmarks: tasks run only when the test
// advances the clock, each at exactly its due time.
class VirtualEventLoop final : public EventLoop {
  public:
    void RepaintChangesNow() override;
    void Post(std::function<void()> task) override;
    void RunAfter(std::int64_t delayMs, std::function<void()> task) override;
    std::int64_t NowMs() const override { return now_; }

    // Runs every task due up to and including the time, in due order, then sets the clock.
    void AdvanceTo(std::int64_t timeMs);
    void AdvanceBy(std::int64_t ms) { AdvanceTo(now_ + ms); }
    // Runs tasks until none is left, moving the clock to each task's due time.
    void RunUntilIdle();

    bool HasPendingTasks() const { return !tasks_.empty(); }
    int repaintCount() const { return repaintCount_; }
    // Called on every RepaintChangesNow, e.g. to snapshot what the screen would show.
    std::function<void()> onRepaint;

  private:
    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
    int repaintCount_ = 0;
    std::map<std::pair<std::int64_t, std::uint64_t>, std::function<void()>> tasks_;
};

}  // namespace vorlane::ui
