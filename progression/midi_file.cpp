#include "progression/midi_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/windows1252.h"

namespace vorlane {

namespace {

constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kTrackNameMeta = 0x03;
constexpr std::uint8_t kMarkerMeta = 0x06;
constexpr std::uint8_t kEndOfTrackMeta = 0x2F;
constexpr std::uint8_t kTempoMeta = 0x51;
constexpr std::uint8_t kTimeSignatureMeta = 0x58;
constexpr std::string_view kTrackName = "Vorlane";
constexpr std::int64_t kMicrosecondsPerMinute = 60'000'000;

void AppendBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

// A variable-length quantity: seven bits a byte, most significant first, the high bit set on
// every byte but the last.
void AppendVariableLength(std::string& out, std::uint32_t value) {
    std::uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count-- > 0) {
        out.push_back(static_cast<char>(bytes[count] | (count > 0 ? 0x80 : 0)));
    }
}

std::string MetaEvent(std::uint8_t type, std::string_view data) {
    std::string event{static_cast<char>(kMetaEvent), static_cast<char>(type)};
    AppendVariableLength(event, static_cast<std::uint32_t>(data.size()));
    event.append(data);
    return event;
}

std::string ChannelEvent(const MidiMessage& message) {
    std::string event{static_cast<char>(message.status), static_cast<char>(message.data1)};
    if (message.Kind() != kProgramChangeStatus) {
        event.push_back(static_cast<char>(message.data2));
    }
    return event;
}

// Events of one track on absolute ticks; on one tick note-offs, then markers, then the rest.
struct TrackEvent {
    std::int64_t tick = 0;
    int rank = 0;
    std::string bytes;
};

std::string TrackChunk(std::vector<TrackEvent> events, std::int64_t endTick) {
    std::stable_sort(events.begin(), events.end(), [](const TrackEvent& x, const TrackEvent& y) {
        return x.tick != y.tick ? x.tick < y.tick : x.rank < y.rank;
    });
    std::string body;
    std::int64_t now = 0;
    for (const TrackEvent& event : events) {
        AppendVariableLength(body, static_cast<std::uint32_t>(event.tick - now));
        body += event.bytes;
        now = event.tick;
    }
    AppendVariableLength(body, static_cast<std::uint32_t>(std::max(endTick, now) - now));
    body += MetaEvent(kEndOfTrackMeta, {});

    std::string chunk = "MTrk";
    AppendBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    return chunk + body;
}

std::string TempoTrack(int bpm) {
    const auto microseconds = static_cast<std::uint32_t>(
        kMicrosecondsPerMinute / std::clamp(bpm, kLowestTempo, kHighestTempo));
    std::string tempo;
    AppendBigEndian(tempo, microseconds, 3);
    // 4/4: numerator 4, denominator 2^2, 24 clocks a click, 8 thirty-seconds a quarter.
    constexpr char kFourFour[] = {4, 2, 24, 8};
    return TrackChunk({{0, 0, MetaEvent(kTrackNameMeta, kTrackName)},
                       {0, 0, MetaEvent(kTempoMeta, tempo)},
                       {0, 0, MetaEvent(kTimeSignatureMeta, {kFourFour, sizeof kFourFour})}},
                      0);
}

constexpr int kOffRank = 0;
constexpr int kMarkerRank = 1;  // the program change too: before the first notes
constexpr int kOnRank = 2;

std::string ChordTrack(std::span<const ChordValue> chords, PlaybackOptions options) {
    const std::uint8_t program =
        GeneralMidiProgram(options.mode).value_or(*GeneralMidiProgram(SoundMode::PianoArpeggio));
    if (!GeneralMidiProgram(options.mode)) {
        options.mode = SoundMode::HammondOrgan;
    }
    const PlaybackPlan plan = PlanPlayback(chords, options);
    std::vector<TrackEvent> events;
    events.reserve(plan.messages.size() + chords.size() + 1);
    events.push_back({0, kMarkerRank, ChannelEvent(ProgramChangeMessage(kChordChannel, program))});
    for (std::size_t n = 0; n < plan.chords.size(); ++n) {
        // Marker text is read as Latin-1 by most tools; "°" is the same byte there.
        events.push_back({plan.chords[n].startTick, kMarkerRank,
                          MetaEvent(kMarkerMeta, EncodeWindows1252(ChordName(chords[n])))});
    }
    for (const TimedMessage& timed : plan.messages) {
        events.push_back({timed.tick, timed.message.IsNoteOff() ? kOffRank : kOnRank,
                          ChannelEvent(timed.message)});
    }
    return TrackChunk(std::move(events), plan.endTick);
}

}  // namespace

std::string StandardMidiFileBytes(std::span<const ChordValue> chords,
                                  const PlaybackOptions& options) {
    std::string file = "MThd";
    AppendBigEndian(file, 6, 4);
    AppendBigEndian(file, 1, 2);  // format 1
    AppendBigEndian(file, 2, 2);  // tracks
    AppendBigEndian(file, kTicksPerQuarter, 2);
    file += TempoTrack(options.bpm);
    file += ChordTrack(chords, options);
    return file;
}

}  // namespace vorlane
