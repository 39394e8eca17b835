#include "app/chord_player.h"

#include <algorithm>
#include <utility>

namespace vorlane {

namespace {

constexpr int kArpeggioTailMs = 800;

std::uint8_t NoteOf(const ShownTone& tone, bool octaveHigher) {
    return static_cast<std::uint8_t>(KeyNote(tone.key, octaveHigher));
}

}  // namespace

ChordPlayer::ChordPlayer(MidiOut& midi, ui::EventLoop& eventLoop)
    : midi_(midi), eventLoop_(eventLoop) {}

void ChordPlayer::ChangeMode(SoundMode mode) {
    mode_ = mode;
    if (!IsArpeggio(mode)) {
        playing_ = false;
    }
    midi_.AllNotesOff();
    if (const std::optional<std::uint8_t> program = GeneralMidiProgram(mode)) {
        midi_.ProgramChange(*program);
    }
}

void ChordPlayer::Play(const std::vector<ShownTone>& tones, bool octaveHigher,
                       Inversion inversion) {
    midi_.AllNotesOff();
    const std::optional<std::uint8_t> program = GeneralMidiProgram(mode_);
    if (!program) {
        return;
    }
    midi_.ProgramChange(*program);
    if (IsArpeggio(mode_)) {
        if (inversion == Inversion::RootPosition) {
            StartArpeggio(tones, octaveHigher);
        }
        return;
    }
    // The organ sounds the chord at once, lowest key first.
    std::vector<ShownTone> byKey = tones;
    std::sort(byKey.begin(), byKey.end(), [](const ShownTone& a, const ShownTone& b) {
        return a.key != b.key ? a.key < b.key : a.slot < b.slot;
    });
    for (const ShownTone& tone : byKey) {
        midi_.NoteOn(NoteOf(tone, octaveHigher), kFullVelocity);
    }
}

void ChordPlayer::StartArpeggio(std::vector<ShownTone> tones, bool octaveHigher) {
    if (onArpeggioStart) {
        onArpeggioStart();
    }
    playing_ = true;

    // An arpeggio climbs the markers in order, root first.
    std::sort(tones.begin(), tones.end(),
              [](const ShownTone& a, const ShownTone& b) { return a.slot < b.slot; });
    // Each note is scheduled against the arpeggio's start so that onsets never drift; the
    // event loop keeps running in between.
    const std::int64_t start = eventLoop_.NowMs();
    const std::int64_t delay = SoundModeInfo(mode_).arpeggioDelayMs;
    auto sound = [this, octaveHigher](const ShownTone& tone) {
        midi_.NoteOn(NoteOf(tone, octaveHigher), kFullVelocity);
        if (onArpeggioTone) {
            onArpeggioTone(tone);
        }
    };
    auto untilOffset = [this, start](std::int64_t offset) {
        return start + offset - eventLoop_.NowMs();
    };
    if (!tones.empty()) {
        sound(tones.front());
    }
    for (std::size_t i = 1; i < tones.size(); ++i) {
        RunLater(untilOffset(std::int64_t(i) * delay), [sound, tone = tones[i]] { sound(tone); });
    }
    RunLater(untilOffset(std::int64_t(tones.size()) * delay + kArpeggioTailMs),
             [this] { FinishArpeggio(); });
}

void ChordPlayer::FinishArpeggio() {
    midi_.AllNotesOff();
    playing_ = false;
    if (onArpeggioEnd) {
        onArpeggioEnd();
    }
    // The arpeggio's instrument is chosen again once it has ended.
    if (IsArpeggio(mode_)) {
        midi_.ProgramChange(*GeneralMidiProgram(mode_));
    }
}

void ChordPlayer::RunLater(std::int64_t delayMs, std::function<void()> task) {
    std::weak_ptr<int> alive = alive_;
    eventLoop_.RunAfter(delayMs, [alive, task = std::move(task)] {
        if (!alive.expired()) {
            task();
        }
    });
}

}  // namespace vorlane
