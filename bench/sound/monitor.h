#pragma once

#include <pulse/simple.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace vorlane::bench {

// Records the default sink's monitor in small fragments and notes when sound first arrives
// after Arm: the far end of the note-on latency.
class Monitor {
  public:
    static constexpr int kFragmentFrames = 32;
    using TimePoint = std::chrono::steady_clock::time_point;

    ~Monitor();
    bool Start();
    void Arm();
    std::optional<TimePoint> WaitForSound(std::chrono::milliseconds limit);

  private:
    void Run();

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable heard_;
    bool armed_ = false;
    std::optional<TimePoint> firstSound_;
};

}  // namespace vorlane::bench
