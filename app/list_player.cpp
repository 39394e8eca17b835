#include "app/list_player.h"

#include <cmath>

namespace vorlane {

ListPlayer::ListPlayer(MidiOut& midi, ui::EventLoop& eventLoop)
    : midi_(midi), eventLoop_(eventLoop) {}

void ListPlayer::Play(std::span<const ChordValue> chords, const PlaybackOptions& options, bool loop,
                      std::size_t firstRow) {
    Stop();
    if (chords.empty()) {
        return;
    }
    plan_ = PlanPlayback(chords, options);
    steps_.clear();
    for (std::size_t m = 0; m < plan_.messages.size(); ++m) {
        const std::int64_t tick = plan_.messages[m].tick;
        if (steps_.empty() || steps_.back().tick != tick) {
            steps_.push_back({tick, m, m, std::nullopt});
        }
        steps_.back().endMessage = m + 1;
    }
    // Every chord starts on a tick of its own, with or without messages on it.
    for (std::size_t c = 0, s = 0; c < plan_.chords.size(); ++c) {
        const std::int64_t start = plan_.chords[c].startTick;
        while (s < steps_.size() && steps_[s].tick < start) {
            ++s;
        }
        if (s == steps_.size() || steps_[s].tick != start) {
            const std::size_t at =
                s < steps_.size() ? steps_[s].firstMessage : plan_.messages.size();
            steps_.insert(steps_.begin() + static_cast<std::ptrdiff_t>(s), {start, at, at, c});
        } else {
            steps_[s].chord = c;
        }
    }
    if (steps_.empty() || steps_.back().tick != plan_.endTick) {
        steps_.push_back({plan_.endTick, plan_.messages.size(), plan_.messages.size(), {}});
    }

    msPerTick_ = MillisecondsPerTick(options.bpm);
    sound_ = GeneralMidiProgram(options.mode).has_value();
    loop_ = loop;
    playing_ = true;
    token_ = std::make_shared<int>(0);
    if (sound_) {
        midi_.ProgramChange(*GeneralMidiProgram(options.mode));
    }
    const std::size_t row = std::min(firstRow, plan_.chords.size() - 1);
    const std::int64_t startTick = plan_.chords[row].startTick;
    passStartMs_ =
        static_cast<double>(eventLoop_.NowMs()) - static_cast<double>(startTick) * msPerTick_;
    std::size_t first = 0;
    while (steps_[first].tick < startTick) {
        ++first;
    }
    RunStep(first);
}

void ListPlayer::Stop() {
    token_ = std::make_shared<int>(0);
    if (!playing_) {
        return;
    }
    playing_ = false;
    midi_.AllNotesOff();
    if (onStop) {
        onStop();
    }
}

void ListPlayer::ScheduleStep(std::size_t step) {
    // Due against the pass's start, never against the step before: late steps do not add up.
    const auto due = static_cast<std::int64_t>(
        std::llround(passStartMs_ + static_cast<double>(steps_[step].tick) * msPerTick_));
    std::weak_ptr<int> token = token_;
    eventLoop_.RunAfter(due - eventLoop_.NowMs(), [this, token, step] {
        if (!token.expired()) {
            RunStep(step);
        }
    });
}

void ListPlayer::RunStep(std::size_t step) {
    const Step& s = steps_[step];
    if (sound_) {
        for (std::size_t m = s.firstMessage; m < s.endMessage; ++m) {
            midi_.Send(plan_.messages[m].message);
        }
    }
    if (step + 1 < steps_.size()) {
        const std::weak_ptr<int> token = token_;
        if (s.chord && onChord) {
            onChord(*s.chord, plan_.chords[*s.chord].voicing);
        }
        if (!token.expired()) {  // unless the chord's listener stopped the list
            ScheduleStep(step + 1);
        }
        return;
    }
    // The end of a pass: its last notes are off.
    if (!loop_) {
        Stop();
        return;
    }
    passStartMs_ += static_cast<double>(plan_.endTick) * msPerTick_;
    RunStep(0);
}

}  // namespace vorlane
