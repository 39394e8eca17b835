#pragma once

// Rendering and measuring helpers for the sound tests.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <span>
#include <vector>

#include "midi/fluidsynth/fluidsynth_midi_out.h"

namespace vorlane::testing {

inline constexpr double kSampleRate = 44100.0;

// A synth that renders only on request, loaded before Open returns.
inline FluidSynthOptions RenderOnlyOptions() {
    FluidSynthOptions options;
    options.startAudio = false;
    options.openInBackground = false;
    return options;
}

// Renders the given time and returns the mono mix; empty when the synth would not render.
inline std::vector<float> RenderMono(FluidSynthMidiOut& synth, double seconds) {
    const auto frames = static_cast<std::size_t>(seconds * kSampleRate);
    std::vector<float> left(frames), right(frames);
    if (!synth.Render(left, right)) {
        return {};
    }
    for (std::size_t i = 0; i < frames; ++i) {
        left[i] = 0.5f * (left[i] + right[i]);
    }
    return left;
}

// Peak over both channels, the figure that clips.
inline float RenderPeak(FluidSynthMidiOut& synth, double seconds) {
    const auto frames = static_cast<std::size_t>(seconds * kSampleRate);
    std::vector<float> left(frames), right(frames);
    if (!synth.Render(left, right)) {
        return -1.0f;
    }
    float peak = 0.0f;
    for (std::size_t i = 0; i < frames; ++i) {
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    }
    return peak;
}

// Note n sounds at 440 * 2^((n - 69) / 12) Hz.
inline double NoteHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

inline double Rms(std::span<const float> samples) {
    double sum = 0.0;
    for (float s : samples) {
        sum += double{s} * s;
    }
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

// Amplitude of one frequency (Goertzel over a Hann window), comparable across frequencies.
inline double ToneLevel(std::span<const float> samples, double frequency) {
    const double n = static_cast<double>(samples.size());
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / kSampleRate);
    double s1 = 0.0, s2 = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double window = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / n);
        const double s = samples[i] * window + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return std::sqrt(std::max(power, 0.0)) / n;
}

inline double MinLevel(std::span<const float> samples, std::initializer_list<double> hz) {
    double level = INFINITY;
    for (double f : hz) {
        level = std::min(level, ToneLevel(samples, f));
    }
    return level;
}

inline double MaxLevel(std::span<const float> samples, std::initializer_list<double> hz) {
    double level = 0.0;
    for (double f : hz) {
        level = std::max(level, ToneLevel(samples, f));
    }
    return level;
}

}  // namespace vorlane::testing
