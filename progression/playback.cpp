#include "progression/playback.h"

#include <algorithm>

#include "midi/midi_out.h"

namespace vorlane {

namespace {

std::uint8_t NoteOf(KeyNumber key, bool octaveHigher) {
    return static_cast<std::uint8_t>(KeyNote(key, octaveHigher));
}

// Each tone's onset in ticks after the chord's start, in table order.
std::vector<std::int64_t> Onsets(const Voicing& voicing, SoundMode mode) {
    std::vector<std::int64_t> onsets(voicing.size(), 0);
    if (!IsArpeggio(mode)) {
        return onsets;
    }
    const auto count = static_cast<std::int64_t>(voicing.size());
    for (std::int64_t i = 0; i < count; ++i) {
        // i x 480 / count, rounded half up.
        onsets[static_cast<std::size_t>(i)] = (2 * i * kTicksPerQuarter + count) / (2 * count);
    }
    return onsets;
}

}  // namespace

PlaybackPlan PlanPlayback(std::span<const ChordValue> chords, const PlaybackOptions& options) {
    PlaybackPlan plan;
    std::vector<Voicing> voicings;
    if (options.smoothVoicing) {
        voicings = SmoothVoicings(chords);
    } else {
        voicings.reserve(chords.size());
        for (const ChordValue& chord : chords) {
            voicings.push_back(PlaceChord(chord));
        }
    }
    const std::int64_t length =
        std::int64_t{std::clamp(options.beatsPerChord, kFewestBeatsPerChord, kMostBeatsPerChord)} *
        kTicksPerQuarter;
    plan.chords.reserve(voicings.size());
    for (std::size_t n = 0; n < voicings.size(); ++n) {
        const auto start = static_cast<std::int64_t>(n) * length;
        plan.chords.push_back({start, start + length, std::move(voicings[n])});
    }
    plan.endTick = static_cast<std::int64_t>(plan.chords.size()) * length;

    for (const PlannedChord& chord : plan.chords) {
        const std::vector<std::int64_t> onsets = Onsets(chord.voicing, options.mode);
        // The organ sounds lowest key first; an arpeggio keeps table order, root first.
        std::vector<std::size_t> order(chord.voicing.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        if (!IsArpeggio(options.mode)) {
            std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
                return chord.voicing[x].key < chord.voicing[y].key;
            });
        }
        for (std::size_t i : order) {
            plan.messages.push_back(
                {chord.startTick + onsets[i],
                 NoteOnMessage(kChordChannel, NoteOf(chord.voicing[i].key, options.octaveHigher),
                               kFullVelocity)});
        }
        for (std::size_t i : order) {
            plan.messages.push_back(
                {chord.endTick, NoteOffMessage(kChordChannel, NoteOf(chord.voicing[i].key,
                                                                     options.octaveHigher))});
        }
    }
    // Offs before ons on the same tick; otherwise the order of making stays.
    std::stable_sort(plan.messages.begin(), plan.messages.end(),
                     [](const TimedMessage& x, const TimedMessage& y) {
                         if (x.tick != y.tick) {
                             return x.tick < y.tick;
                         }
                         return x.message.IsNoteOff() && !y.message.IsNoteOff();
                     });
    return plan;
}

double MillisecondsPerTick(int bpm) {
    return 60'000.0 /
           (static_cast<double>(std::clamp(bpm, kLowestTempo, kHighestTempo)) * kTicksPerQuarter);
}

}  // namespace vorlane
