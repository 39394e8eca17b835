#include <cmath>

#include "tests/support/chord_list_fixture.h"

namespace vorlane::testing {
namespace {

class ListPlaybackTest : public ChordListTest {
  protected:
    // Each row the list showed as it played, with the time it came.
    std::vector<std::pair<std::int64_t, int>> shown;
    void Listen() {
        QObject::connect(list.get(), &ChordListController::PlayingRowChanged,
                         [this](int row) { shown.emplace_back(loop.NowMs(), row); });
    }
    std::vector<std::int64_t> OnsetTimes() const {
        std::vector<std::int64_t> times;
        for (const auto& [time, note] : NoteOns()) {
            if (times.empty() || times.back() != time) {
                times.push_back(time);
            }
        }
        return times;
    }
};

TEST_F(ListPlaybackTest, EachChordSoundsOnItsBeatInTheModeAndIsShownWithoutSoundingTwice) {
    struct Case {
        const char* sound;
        int bpm;
        int beats;
        std::vector<std::pair<std::int64_t, int>> noteOns;  // after the start
    };
    const Case cases[] = {
        // 120 BPM, two beats: a chord a second, the organ all at once, lowest first.
        {"Hammond",
         120,
         2,
         {{0, 48}, {0, 52}, {0, 55}, {1000, 50}, {1000, 53}, {1000, 57}, {1000, 60}}},
        // The piano spreads a chord over its first beat: 90 BPM, a third of 667 ms apart.
        {"Piano",
         90,
         4,
         {{0, 48}, {222, 52}, {444, 55}, {2667, 50}, {2833, 53}, {3000, 57}, {3167, 60}}},
        {"GeenMidi", 90, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sound);
        StartList("Engels", c.sound);
        Remember({kC, kDm7});
        Listen();
        list->SetTempo(c.bpm);
        list->SetBeatsPerChord(c.beats);
        loop.RunUntilIdle();
        midi.Clear();
        shown.clear();
        const std::int64_t start = loop.NowMs();
        list->Play();
        loop.AdvanceBy(1);
        EXPECT_EQ(list->Model().PlayingRow(), 0u);
        EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
        loop.RunUntilIdle();

        std::vector<std::pair<std::int64_t, int>> noteOns;
        for (const auto& [time, note] : NoteOns()) {
            noteOns.emplace_back(time - start, note);
        }
        EXPECT_EQ(noteOns, c.noteOns) << "the main window sounds nothing of its own";
        const std::int64_t length = std::llround(60'000.0 / c.bpm * c.beats);
        EXPECT_EQ(shown,
                  (std::vector<std::pair<std::int64_t, int>>{{start, 0}, {start + length, 1}}));
        EXPECT_EQ(form->ChordLineLabel->text, "Chord Dm7:   D - F - A - C");
        EXPECT_FALSE(list->Playing());
        EXPECT_EQ(list->Model().PlayingRow(), std::nullopt);
        EXPECT_EQ(Programs(), c.noteOns.empty() ? std::vector<int>{}
                                                : std::vector<int>{c.sound[0] == 'P' ? 0 : 16});
        EXPECT_EQ(AllNotesOffTimes().back(), start + std::llround(120'000.0 / c.bpm * c.beats));
    }
}

TEST_F(ListPlaybackTest, AHundredChordLoopKeepsToItsBeatsPassAfterPass) {
    StartList("Engels", "Hammond");
    const std::vector<ChordValue> cycle = {kC, kAm, kF, kG7};
    for (int i = 0; i < 100; ++i) {
        Remember(cycle[std::size_t(i) % cycle.size()]);
    }
    list->SetTempo(90);  // 666.67 ms a beat: every rounding is visible
    list->SetBeatsPerChord(1);
    list->SetLooping(true);
    midi.Clear();
    const std::int64_t start = loop.NowMs();
    list->Play();
    loop.AdvanceBy(3 * 100 * 667);
    const std::vector<std::int64_t> onsets = OnsetTimes();
    ASSERT_GE(onsets.size(), 300u);
    for (std::size_t n = 0; n < 300; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(onsets[n], start + std::llround(n * 60'000.0 / 90)) << "no drift";
    }
    EXPECT_TRUE(list->Playing());
    list->SetLooping(false);
    loop.RunUntilIdle();
    EXPECT_FALSE(list->Playing());
    EXPECT_LE(OnsetTimes().size(), 400u) << "the pass under way is the last";
}

TEST_F(ListPlaybackTest, WhatStopsTheListAndWhatGoesOn) {
    const std::vector<std::pair<const char*, std::function<void()>>> stops = {
        {"Stop", [&] { list->Stop(); }},
        {"a click in the main window", [&] { Click(Flat(5)); }},
        {"a change of the list", [&] { list->RemoveRows(std::vector<std::size_t>{2}); }},
        {"a language change", [&] { Click(form->FrenchButton); }},
    };
    for (const auto& [what, stop] : stops) {
        SCOPED_TRACE(what);
        StartList("Engels", "Hammond");
        Remember({kC, kDm7, kG7});
        list->Play();
        loop.AdvanceBy(3000);
        ASSERT_EQ(list->Model().PlayingRow(), 1u);
        stop();
        EXPECT_FALSE(list->Playing());
        EXPECT_EQ(list->Model().PlayingRow(), std::nullopt);
        const std::size_t sent = midi.Events().size();
        loop.AdvanceBy(10'000);
        EXPECT_EQ(midi.Events().size(), sent) << "nothing more comes";
    }

    // A new tempo goes on from the chord playing, at once.
    StartList("Engels", "Hammond");
    Remember({kC, kDm7, kG7});
    list->Play();
    loop.AdvanceBy(3000);
    midi.Clear();
    const std::int64_t changed = loop.NowMs();
    list->SetTempo(240);
    loop.RunUntilIdle();
    EXPECT_EQ(OnsetTimes(), (std::vector<std::int64_t>{changed, changed + 1000}));
}

TEST_F(ListPlaybackTest, SmoothVoicingIsShownWhereItSounds) {
    StartList("Engels", "Hammond");
    // A circle of fifths: root positions leap, smooth voicing stays near the first chord.
    Remember({kC, kF, Chord(11, ChordType::Major), Chord(4, ChordType::Major)});
    list->SetSmoothVoicing(true);
    const std::vector<Voicing> voicings = SmoothVoicings(form->rememberedChords.Chords());
    list->Play();
    for (std::size_t row = 0; row < voicings.size(); ++row) {
        SCOPED_TRACE(row);
        midi.Clear();
        loop.AdvanceBy(row == 0 ? 0 : 2667);
        std::vector<KeyNumber> keys = KeysOf(voicings[row]);
        EXPECT_EQ(MarkedKeys(), keys);
        std::vector<int> notes;
        for (KeyNumber key : keys) {
            notes.push_back(KeyNote(key, false));
        }
        std::sort(notes.begin(), notes.end());
        if (row > 0) {
            EXPECT_EQ(midi.NotesOn(), notes);
        }
    }
}

}  // namespace
}  // namespace vorlane::testing
