#include <cmath>

#include "tests/support/chord_list_fixture.h"

namespace vorlane::testing {
namespace {

using Times = std::vector<std::int64_t>;

class ListPlaybackTest : public ChordListTest {
  protected:
    // Each row the list showed as it played, with the time it came.
    std::vector<std::pair<std::int64_t, int>> shown;
    void StartWithList(std::string_view sound, std::vector<ChordValue> chords) {
        StartList("Engels", sound);
        Remember(chords);
        QObject::connect(list.get(), &ChordListController::PlayingRowChanged,
                         [this](int row) { shown.emplace_back(loop.NowMs(), row); });
        loop.RunUntilIdle();
        midi.Clear();
        shown.clear();
    }
    Times OnsetTimes() const {
        Times times;
        for (const auto& [time, note] : NoteOns()) {
            if (times.empty() || times.back() != time) {
                times.push_back(time);
            }
        }
        return times;
    }
};

TEST_F(ListPlaybackTest, EachChordSoundsOnItsBeatInTheModeAndIsShownWhereItSoundsOnce) {
    struct Case {
        const char* sound;
        int bpm;
        int beats;
        bool smooth;
        std::vector<std::pair<std::int64_t, int>> noteOns;  // after the start
        std::vector<KeyNumber> keysShown;                   // at the end
    };
    // clang-format off
    const Case cases[] = {
        // 120 BPM, two beats: a chord a second, the organ all at once, lowest first.
        {"Hammond", 120, 2, false,
         {{0, 48}, {0, 52}, {0, 55}, {1000, 53}, {1000, 57}, {1000, 60}}, {6, 10, 13}},
        // Smooth voicing: F comes down to its second inversion, over the same C.
        {"Hammond", 120, 2, true,
         {{0, 48}, {0, 52}, {0, 55}, {1000, 48}, {1000, 53}, {1000, 57}}, {6, 10, 1}},
        // The piano spreads a chord over its first beat: 90 BPM, a third of 667 ms apart.
        {"Piano", 90, 4, false,
         {{0, 48}, {222, 52}, {444, 55}, {2667, 53}, {2889, 57}, {3111, 60}}, {6, 10, 13}},
        {"GeenMidi", 90, 1, false, {}, {6, 10, 13}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string{c.sound} + (c.smooth ? ", smooth" : ""));
        StartWithList(c.sound, {kC, kF});
        list->SetTempo(c.bpm);
        list->SetBeatsPerChord(c.beats);
        list->SetSmoothVoicing(c.smooth);
        const std::int64_t start = loop.NowMs();
        list->Play();
        EXPECT_EQ(list->Model().PlayingRow(), 0u);
        EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
        loop.RunUntilIdle();

        std::vector<std::pair<std::int64_t, int>> noteOns;
        for (const auto& [time, note] : NoteOns()) {
            noteOns.emplace_back(time - start, note);
        }
        EXPECT_EQ(noteOns, c.noteOns) << "the main window sounds nothing of its own";
        const std::int64_t length = std::llround(60'000.0 / c.bpm * c.beats);
        EXPECT_EQ(shown, (decltype(shown){{start, 0}, {start + length, 1}}));
        EXPECT_EQ(form->ChordLineLabel->text, "Chord F:   F - A - C");
        EXPECT_EQ(MarkedKeys(), c.keysShown);
        EXPECT_FALSE(list->Playing());
        EXPECT_EQ(list->Model().PlayingRow(), std::nullopt);
        EXPECT_EQ(Programs(), c.noteOns.empty() ? std::vector<int>{}
                                                : std::vector<int>{c.sound[0] == 'P' ? 0 : 16});
        EXPECT_EQ(AllNotesOffTimes().back(), start + std::llround(120'000.0 / c.bpm * c.beats));
    }
}

TEST_F(ListPlaybackTest, AHundredChordLoopKeepsToItsBeatsPassAfterPass) {
    std::vector<ChordValue> chords;
    for (int i = 0; i < 25; ++i) {
        chords.insert(chords.end(), {kC, kAm, kF, kG7});
    }
    StartWithList("Hammond", chords);
    list->SetTempo(90);  // 666.67 ms a beat: every rounding is visible
    list->SetBeatsPerChord(1);
    list->SetLooping(true);
    const std::int64_t start = loop.NowMs();
    list->Play();
    loop.AdvanceBy(3 * 100 * 667);
    const Times onsets = OnsetTimes();
    ASSERT_GE(onsets.size(), 300u);
    for (std::size_t n = 0; n < 300; ++n) {
        EXPECT_EQ(onsets[n], start + std::llround(n * 60'000.0 / 90)) << "no drift at " << n;
    }
    EXPECT_TRUE(list->Playing());
    list->SetLooping(false);
    loop.RunUntilIdle();
    EXPECT_FALSE(list->Playing());
    EXPECT_LE(OnsetTimes().size(), 400u) << "the pass under way is the last";
}

TEST_F(ListPlaybackTest, WhatStopsTheListAndWhatGoesOn) {
    struct Case {
        const char* what;
        std::function<void()> act;
        bool goesOn;
    };
    const Case cases[] = {
        {"Stop", [&] { list->Stop(); }, false},
        {"a root clicked in the main window", [&] { Click(Flat(5)); }, false},
        {"the octave option", [&] { Click(form->OctaveHigherCheck); }, false},
        {"another sound", [&] { Click(form->NoSoundButton); }, false},
        {"a change of the list", [&] { list->RemoveRows(std::vector<std::size_t>{2}); }, false},
        {"a language change", [&] { Click(form->FrenchButton); }, false},
        {"a new tempo, from the chord playing at once", [&] { list->SetTempo(240); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartWithList("Hammond", {kC, kDm7, kG7});
        list->Play();
        loop.AdvanceBy(3000);
        ASSERT_EQ(list->Model().PlayingRow(), 1u);
        midi.Clear();
        const std::int64_t now = loop.NowMs();
        c.act();
        EXPECT_EQ(list->Playing(), c.goesOn);
        if (c.goesOn) {
            loop.RunUntilIdle();
            EXPECT_EQ(OnsetTimes(), (Times{now, now + 1000}));
            continue;
        }
        EXPECT_EQ(list->Model().PlayingRow(), std::nullopt);
        const std::size_t sent = midi.Events().size();
        loop.AdvanceBy(10'000);
        EXPECT_EQ(midi.Events().size(), sent) << "nothing more comes";
    }
}

}  // namespace
}  // namespace vorlane::testing
