#include <functional>

#include "tests/app/main_window_fixture.h"
#include "tests/support/fake_midi_in.h"

namespace vorlane::testing {
namespace {

class PlayedChordTest : public FormTest {
  protected:
    FakeMidiIn keyboard;

    // The window stops listening when it goes: before the keyboard it listens to.
    void TearDown() override { form.reset(); }

    void Listen(std::string_view sound) {
        StartWith("Engels", sound, "Laag");
        ASSERT_TRUE(form->ListenTo(keyboard));
        midi.Clear();
    }
    void Strike(std::initializer_list<int> notes, std::int64_t gapMs = 0) {
        for (int note : notes) {
            keyboard.NoteOn(note);
            loop.AdvanceBy(gapMs);
        }
    }
    void Lift(std::initializer_list<int> notes) {
        for (int note : notes) {
            keyboard.NoteOff(note);
        }
    }
    // The short messages sent since the last Clear, status byte first.
    std::vector<std::array<int, 3>> Sent() const {
        std::vector<std::array<int, 3>> out;
        for (const auto& e : midi.Events()) {
            out.push_back({int(e.message.status), int(e.message.data1), int(e.message.data2)});
        }
        return out;
    }
};

// Keys reach the window at most once a frame; the settling still counts from the last key.
TEST_F(PlayedChordTest, SettlingCountsFromTheLastKeyNotFromTheFrameThatBroughtIt) {
    Listen("Hammond");
    Strike({50, 53}, 5);
    keyboard.NoteOn(57);
    loop.AdvanceBy(59);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{1, 5, 8}));
    loop.AdvanceBy(1);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{3, 6, 10}));
}

TEST_F(PlayedChordTest, UnevenFingersNameOnceReleaseKeepsAddedKeyRenames) {
    Listen("Hammond");
    keyboard.NoteOn(52, 90);
    loop.AdvanceBy(20);
    keyboard.NoteOn(55, 70);
    loop.AdvanceBy(25);
    keyboard.NoteOn(60, 80);
    loop.AdvanceBy(59);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{1, 5, 8}));  // still the start-up chord
    loop.AdvanceBy(1);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{13, 5, 8}));
    EXPECT_TRUE(Flat(0)->checked);
    EXPECT_TRUE(Variation(ChordType::Major)->checked);
    EXPECT_EQ(form->InversionSelector->selectedItem, 1);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
    // Only the player's notes sound, on channel 2 in the organ; the refresh plays nothing.
    EXPECT_EQ(Sent(), (std::vector<std::array<int, 3>>{
                          {0xC1, 16, 0}, {0x91, 52, 90}, {0x91, 55, 70}, {0x91, 60, 80}}));

    midi.Clear();
    Lift({52, 55, 60});
    loop.AdvanceBy(500);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{13, 5, 8}));
    EXPECT_EQ(Sent(),
              (std::vector<std::array<int, 3>>{{0x81, 52, 0}, {0x81, 55, 0}, {0x81, 60, 0}}));

    Strike({50, 53, 57}, 10);
    loop.AdvanceBy(100);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{3, 6, 10}));
    Strike({60});
    loop.AdvanceBy(100);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{3, 6, 10, 13}));
    EXPECT_TRUE(Variation(ChordType::Minor7)->checked);
    EXPECT_EQ(form->InversionSelector->selectedItem, 0);

    Lift({50, 53, 57, 60});
    Strike({60, 61, 62});  // a cluster names nothing
    loop.AdvanceBy(100);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{3, 6, 10, 13}));
    EXPECT_EQ(NoteOns(), (std::vector<std::pair<std::int64_t, int>>{}));
}

TEST_F(PlayedChordTest, PedalHoldsNoKeyAndTheSpellingColumnStays) {
    Listen("GeenMidi");
    Click(Sharp(3));  // D#
    midi.Clear();
    keyboard.Pedal(true);
    Strike({51, 55, 58});
    loop.AdvanceBy(100);
    EXPECT_TRUE(Sharp(3)->checked);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord D#:   D# - G - A#");
    Lift({51, 55, 58});
    Strike({50, 53, 57});  // with the pedal counted, Eb G Bb D F A would name nothing
    loop.AdvanceBy(100);
    EXPECT_TRUE(Sharp(2)->checked);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord Dm:   D - F - A");
    // Without sound for the chords the player still hears the piano.
    EXPECT_EQ(Sent(), (std::vector<std::array<int, 3>>{{0xB1, 64, 127},
                                                       {0xC1, 0, 0},
                                                       {0x91, 51, 100},
                                                       {0x91, 55, 100},
                                                       {0x91, 58, 100},
                                                       {0x81, 51, 0},
                                                       {0x81, 55, 0},
                                                       {0x81, 58, 0},
                                                       {0x91, 50, 100},
                                                       {0x91, 53, 100},
                                                       {0x91, 57, 100}}));
}

TEST_F(PlayedChordTest, ArpeggioLockDefersTheLastChordAndPianoSoundsThePlayer) {
    Listen("Piano");
    Click(Flat(2));  // D major: an arpeggio holds the controls
    Strike({52, 55, 60});
    loop.AdvanceBy(100);
    Lift({52, 55, 60});
    Strike({50, 53, 57, 60});
    loop.AdvanceBy(100);
    EXPECT_TRUE(Flat(2)->checked);
    EXPECT_TRUE(Variation(ChordType::Major)->checked);
    loop.RunUntilIdle();
    EXPECT_TRUE(Variation(ChordType::Minor7)->checked);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{3, 6, 10, 13}));

    Lift({50, 53, 57, 60});
    midi.Clear();
    Strike({69, 73, 76}, 5);
    loop.RunUntilIdle();
    EXPECT_EQ(form->ChordLineLabel->text, "Chord A:   A - Db - E");
    EXPECT_FALSE(form->player.Playing());
    EXPECT_EQ(Sent(),
              (std::vector<std::array<int, 3>>{{0x91, 69, 100}, {0x91, 73, 100}, {0x91, 76, 100}}));
}

// A chord played while a modal dialog is open waits for it to close, as for an arpeggio: the
// window underneath stays as the dialog found it.
TEST_F(PlayedChordTest, AChordPlayedDuringAModalDialogWaitsForItsClose) {
    struct Case {
        const char* name;
        std::function<void()> open;
    };
    const std::vector<Case> cases = {
        {"the save dialog",
         [this] {
             Click(form->RememberButton);
             Click(form->SaveButton);
         }},
        {"the about box", [this] { Click(form->InfoButton); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Listen("Hammond");
        std::string lineWhileOpen;
        dialogs.whileOpen = [&] {
            Strike({50, 54, 57});
            loop.AdvanceBy(100);
            lineWhileOpen = form->ChordLineLabel->text;
        };
        c.open();
        dialogs.whileOpen = nullptr;
        EXPECT_EQ(lineWhileOpen, "Chord C:   C - E - G");
        EXPECT_EQ(form->ChordLineLabel->text, "Chord D:   D - Gb - A");
        EXPECT_TRUE(Flat(2)->checked);
        Lift({50, 54, 57});
    }
}

// Played keys that name no chord show on the keyboard picture, round and in a colour of their
// own, until they are let go; a named chord shows as a chord instead.
TEST_F(PlayedChordTest, KeysThatNameNoChordShowOnThePictureUntilLetGo) {
    struct Step {
        const char* what;
        std::function<void()> play;
        std::vector<KeyNumber> spotted;
    };
    const std::vector<Step> steps = {
        {"a cluster",
         [this] {
             Strike({60, 61, 62});
         },
         {13, 14, 15}},
        {"one key let go", [this] { Lift({61}); }, {13, 15}},
        {"all let go",
         [this] {
             Lift({60, 62});
         },
         {}},
        {"below the picture: its lowest octave",
         [this] {
             Strike({36, 37, 38});
         },
         {1, 2, 3}},
        {"a chord is shown as the chord",
         [this] {
             Lift({36, 37, 38});
             Strike({60, 64, 67});
         },
         {}},
    };
    Listen("Hammond");
    for (const Step& step : steps) {
        step.play();
        loop.AdvanceBy(100);
        std::vector<KeyNumber> spotted;
        for (const ui::Spot& spot : form->KeyboardPicture->spots) {
            EXPECT_NE(spot.colour, form->KeyMarkers[0]->backgroundColour) << step.what;
            // The key whose marker spot the spot stands over.
            for (KeyNumber k = kLowestKey; k <= kHighestKey; ++k) {
                const MarkerPosition& at = KeyMarkerPositions[std::size_t(k)];
                if (spot.left >= at.x && spot.left + spot.size <= at.x + 16) {
                    spotted.push_back(k);
                }
            }
        }
        EXPECT_EQ(spotted, step.spotted) << step.what;
    }
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
}

}  // namespace
}  // namespace vorlane::testing
