#include "bench/sound/monitor.h"

#include <pulse/error.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace vorlane::bench {
namespace {

// -40 dBFS: well above a dying reverb tail, well below a note at full velocity.
constexpr float kSoundThreshold = 0.01f;

}  // namespace

Monitor::~Monitor() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (stream_ != nullptr) {
        pa_simple_free(stream_);
    }
}

bool Monitor::Start() {
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, 44100, 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = kFragmentFrames * sizeof(float);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "vorlane-sound-bench", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                            "latency probe", &format, nullptr, &attr, &error);
    if (stream_ == nullptr) {
        return false;
    }
    thread_ = std::thread([this] { Run(); });
    return true;
}

void Monitor::Arm() {
    std::lock_guard lock(mutex_);
    armed_ = true;
    firstSound_.reset();
}

std::optional<Monitor::TimePoint> Monitor::WaitForSound(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    heard_.wait_for(lock, limit, [this] { return firstSound_.has_value(); });
    armed_ = false;
    return firstSound_;
}

void Monitor::Run() {
    std::array<float, kFragmentFrames> fragment{};
    int error = 0;
    while (!stop_) {
        if (pa_simple_read(stream_, fragment.data(), sizeof fragment, &error) < 0) {
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        float peak = 0.0f;
        for (float s : fragment) {
            peak = std::max(peak, std::fabs(s));
        }
        std::lock_guard lock(mutex_);
        if (armed_ && !firstSound_ && peak > kSoundThreshold) {
            firstSound_ = now;
            heard_.notify_all();
        }
    }
}

}  // namespace vorlane::bench
