#include "progression/playback.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "midi/midi_out.h"
#include "tests/support/random_chords.h"

namespace vorlane {

void PrintTo(const TimedMessage& m, std::ostream* os) {
    *os << m.tick << ":" << (m.message.IsNoteOn() ? "on " : "off ") << int{m.message.data1};
}
bool operator==(const TimedMessage& a, const TimedMessage& b) {
    return a.tick == b.tick && a.message == b.message;
}

namespace {

TimedMessage On(std::int64_t tick, int note) {
    return {tick, NoteOnMessage(kChordChannel, static_cast<std::uint8_t>(note), kFullVelocity)};
}
TimedMessage Off(std::int64_t tick, int note) {
    return {tick, NoteOffMessage(kChordChannel, static_cast<std::uint8_t>(note))};
}

TEST(PlaybackPlan, MessagesOfEachSoundMode) {
    const ChordValue c{1, Spelling::Flat, ChordType::Major};
    const ChordValue cFirst{1, Spelling::Flat, ChordType::Major, Inversion::FirstInversion};
    const ChordValue c13{1, Spelling::Flat, ChordType::Thirteenth};
    const ChordValue dmFirst{3, Spelling::Flat, ChordType::Minor, Inversion::FirstInversion};
    const ChordValue am{10, Spelling::Flat, ChordType::Minor};
    struct Case {
        std::string name;
        std::vector<ChordValue> chords;
        PlaybackOptions options;
        std::vector<TimedMessage> messages;
    };
    const Case cases[] = {
        {"organ: a repeated chord sounds again",
         {c, c},
         {},
         {On(0, 48), On(0, 52), On(0, 55), Off(1920, 48), Off(1920, 52), Off(1920, 55),
          On(1920, 48), On(1920, 52), On(1920, 55), Off(3840, 48), Off(3840, 52), Off(3840, 55)}},
        {"organ: lowest key first",
         {cFirst},
         {.beatsPerChord = 1},
         {On(0, 52), On(0, 55), On(0, 60), Off(480, 52), Off(480, 55), Off(480, 60)}},
        {"piano: seven steps over the first beat, rounded, an octave higher",
         {c13},
         {.beatsPerChord = 2, .mode = SoundMode::PianoArpeggio, .octaveHigher = true},
         {On(0, 60), On(69, 64), On(137, 67), On(206, 70), On(274, 74), On(343, 77), On(411, 81),
          Off(960, 60), Off(960, 64), Off(960, 67), Off(960, 70), Off(960, 74), Off(960, 77),
          Off(960, 81)}},
        {"guitar: the inverted chord climbs from its root",
         {dmFirst, am},
         {.beatsPerChord = 1, .mode = SoundMode::GuitarArpeggio},
         {On(0, 62), On(160, 53), On(320, 57), Off(480, 62), Off(480, 53), Off(480, 57),
          On(480, 57), On(640, 60), On(800, 64), Off(960, 57), Off(960, 60), Off(960, 64)}},
        {"no sound: held like the organ",
         {am},
         {.beatsPerChord = 3, .mode = SoundMode::NoSound},
         {On(0, 57), On(0, 60), On(0, 64), Off(1440, 57), Off(1440, 60), Off(1440, 64)}},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(PlanPlayback(row.chords, row.options).messages, row.messages) << row.name;
    }
}

TEST(PlaybackPlan, EveryNoteSoundsWithinItsChord) {
    const std::vector<ChordValue> chords = testing::RandomChords(60, 7);
    const std::vector<Voicing> smoothVoicings = SmoothVoicings(chords);
    for (const SoundMode mode : {SoundMode::HammondOrgan, SoundMode::PianoArpeggio,
                                 SoundMode::GuitarArpeggio, SoundMode::NoSound}) {
        for (const int beats : {1, 3, 8}) {
            for (const bool smooth : {false, true}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(mode)) + " beats " +
                             std::to_string(beats) + (smooth ? " smooth" : ""));
                const PlaybackPlan plan = PlanPlayback(chords, {90, beats, mode, smooth, smooth});
                const std::int64_t length = beats * kTicksPerQuarter;
                ASSERT_EQ(plan.chords.size(), chords.size());
                EXPECT_EQ(plan.endTick, length * static_cast<std::int64_t>(chords.size()));
                // Each sounding note and the chord it began in; the notes each chord played.
                std::map<int, std::int64_t> sounding;
                std::vector<std::multiset<int>> played(chords.size());
                std::int64_t lastTick = 0;
                bool onSeen = false;  // on the current tick
                for (const TimedMessage& m : plan.messages) {
                    ASSERT_GE(m.tick, lastTick);
                    onSeen = onSeen && m.tick == lastTick;
                    lastTick = m.tick;
                    ASSERT_EQ(m.message.Channel(), kChordChannel);
                    if (m.message.IsNoteOff()) {
                        ASSERT_FALSE(onSeen) << m.tick;
                        ASSERT_EQ(sounding.count(m.message.data1), 1U) << m.tick;
                        EXPECT_EQ(m.tick, (sounding[m.message.data1] + 1) * length);
                        sounding.erase(m.message.data1);
                        continue;
                    }
                    onSeen = true;
                    const std::int64_t n = m.tick / length;
                    EXPECT_LT(m.tick - n * length, kTicksPerQuarter);
                    EXPECT_EQ(m.message.data2, kFullVelocity);
                    ASSERT_TRUE(sounding.emplace(m.message.data1, n).second) << m.tick;
                    played[static_cast<std::size_t>(n)].insert(m.message.data1);
                }
                EXPECT_TRUE(sounding.empty());
                for (std::size_t n = 0; n < chords.size(); ++n) {
                    const PlannedChord& chord = plan.chords[n];
                    EXPECT_EQ(chord.startTick, length * static_cast<std::int64_t>(n));
                    EXPECT_EQ(chord.endTick, chord.startTick + length);
                    const Voicing expected = smooth ? smoothVoicings[n] : PlaceChord(chords[n]);
                    EXPECT_EQ(KeysOf(chord.voicing), KeysOf(expected)) << n;
                    std::multiset<int> notes;
                    for (const PlacedTone& tone : expected) {
                        notes.insert(KeyNote(tone.key, smooth));
                    }
                    EXPECT_EQ(played[n], notes) << n;
                }
            }
        }
    }
}

TEST(PlaybackPlan, TickLengthFollowsTheTempo) {
    EXPECT_DOUBLE_EQ(MillisecondsPerTick(90) * 4 * kTicksPerQuarter, 8000.0 / 3);
    EXPECT_DOUBLE_EQ(MillisecondsPerTick(240) * kTicksPerQuarter, 250.0);
    EXPECT_DOUBLE_EQ(MillisecondsPerTick(40) * kTicksPerQuarter, 1500.0);
    EXPECT_DOUBLE_EQ(MillisecondsPerTick(0), MillisecondsPerTick(40));
}

}  // namespace
}  // namespace vorlane
