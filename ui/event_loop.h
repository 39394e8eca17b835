#pragma once

#include <cstdint>
#include <functional>

namespace vorlane::ui {

// The GUI thread's message loop as the program logic sees it. Nothing here blocks or nests a
// loop: waits are callbacks scheduled for later.
class EventLoop {
  public:
    virtual ~EventLoop() = default;
    // Brings everything the logic changed onto the screen now (mirror and repaint).
    virtual void RepaintChangesNow() = 0;
    // Runs the task after the current event has been handled.
    virtual void Post(std::function<void()> task) = 0;
    // Runs the task once delayMs milliseconds have passed (0 or less: as soon as possible).
    virtual void RunAfter(std::int64_t delayMs, std::function<void()> task) = 0;
    // Milliseconds on a monotonic clock.
    virtual std::int64_t NowMs() const = 0;
};

}  // namespace vorlane::ui
