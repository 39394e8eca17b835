#include <algorithm>

#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {
namespace {

class SelectionTest : public FormTest {
  protected:
    void SetUp() override { StartWith("Engels", "Hammond", "Laag"); }
    // Notes of the last Hammond chord: the note-ons after the last reset.
    std::vector<int> LastChord() const {
        std::vector<int> notes;
        for (const auto& e : midi.Events()) {
            if (e.kind == RecordingMidiOut::Kind::AllNotesOff) {
                notes.clear();
            } else if (e.IsNoteOn()) {
                notes.push_back(e.message.data1);
            }
        }
        return notes;
    }
};

TEST_F(SelectionTest, EveryKindOfSelectionRefreshesEverythingAndPlaysAgain) {
    midi.Clear();
    Click(Flat(0));  // the button already selected still replays
    EXPECT_EQ(LastChord(), (std::vector<int>{48, 52, 55}));

    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<int> notes;
        std::string chordLine;
    };
    std::vector<Step> steps = {
        {"root", [&] { Click(Flat(2)); }, {50, 54, 57}, "Chord D:   D - Gb - A"},
        {"variation",
         [&] { Click(Variation(ChordType::Minor7)); },
         {50, 53, 57, 60},
         "Chord Dm7:   D - F - A - C"},
        {"inversion",
         [&] { form->window.ChooseItem(*form->InversionSelector, 1); },
         {53, 57, 60, 62},
         "Chord Dm7:   D - F - A - C"},
        {"note names",
         [&] { Click(form->NotesOnPianoCheck); },
         {53, 57, 60, 62},
         "Chord Dm7:   D - F - A - C"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        form->RememberButton->enabled = false;
        midi.Clear();
        s.act();
        EXPECT_EQ(LastChord(), s.notes);
        EXPECT_EQ(form->ChordLineLabel->text, s.chordLine);
        EXPECT_TRUE(form->RememberButton->enabled);
    }
    EXPECT_EQ(MarkerTexts(), (std::vector<std::string>{"D", "F", "A", "C"}));
    EXPECT_EQ(form->ScaleLineLabel->text, "Musical scale D:   D - E - Gb - G - A - B - Db - D");
}

TEST_F(SelectionTest, TheRowChosenSpellsEveryNoteTheKeysStayTheSame) {
    Click(form->NotesOnPianoCheck);
    Click(Variation(ChordType::Minor));
    Click(Flat(1));
    const std::vector<KeyNumber> flatKeys = MarkedKeys();
    const std::vector<int> flatNotes = LastChord();
    EXPECT_EQ(form->ChordLineLabel->text, "Chord Dbm:   Db - E - Ab");
    EXPECT_EQ(MarkerTexts(), (std::vector<std::string>{"Db", "E", "Ab"}));
    EXPECT_EQ(Variation(ChordType::Augmented)->text, "Db+ (AUG)");

    Click(Sharp(1));
    EXPECT_EQ(MarkedKeys(), flatKeys);
    EXPECT_EQ(LastChord(), flatNotes);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C#m:   C# - E - G#");
    EXPECT_EQ(MarkerTexts(), (std::vector<std::string>{"C#", "E", "G#"}));
    EXPECT_EQ(Variation(ChordType::Augmented)->text, "C#+ (AUG)");
    EXPECT_EQ(form->CompatibleLineLabel->text,
              "Compatible chords (Circle of Fifths): C#, F#, G#, D#m, A#m, Fm, C\u00b0 (DIM)");

    // Changing only the variation keeps the last spelling.
    Click(Variation(ChordType::Major));
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C#:   C# - F - G#");
}

TEST_F(SelectionTest, InversionsMoveMarkersAndSoundNotTheText) {
    Click(Flat(0));
    form->window.ChooseItem(*form->InversionSelector, 1);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{13, 5, 8}));
    EXPECT_EQ(form->KeyMarkers[0]->left, 249);
    EXPECT_EQ(LastChord(), (std::vector<int>{52, 55, 60}));  // ascending key order
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");

    Click(Variation(ChordType::Sus2));  // Sus2, second inversion
    form->window.ChooseItem(*form->InversionSelector, 2);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{13, 15, 8}));

    // A ninth ignores the inversion; the selector hides but keeps its item.
    Click(Variation(ChordType::Ninth));
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{1, 5, 8, 11, 15}));
    EXPECT_FALSE(form->InversionSelector->visible);
    EXPECT_FALSE(form->InversionSelector->enabled);
    EXPECT_FALSE(form->InversionLabel->visible);
    EXPECT_EQ(form->InversionSelector->selectedItem, 2);

    // Back to an invertible type: the kept inversion applies again.
    Click(Variation(ChordType::Major));
    EXPECT_TRUE(form->InversionSelector->visible);
    EXPECT_TRUE(form->InversionSelector->enabled);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{13, 17, 8}));

    Click(Flat(11));
    Click(Variation(ChordType::Major13));
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{12, 16, 19, 23, 26, 29, 33}));
    EXPECT_EQ(LastChord().back(), 80);
}

TEST_F(SelectionTest, WhatTheKeyboardShowsIsWhatSounds) {
    auto notesOf = [this](std::vector<KeyNumber> keys) {
        std::vector<int> notes;
        for (KeyNumber k : keys) {
            notes.push_back(KeyNote(k, form->OctaveHigherCheck->checked));
        }
        return notes;
    };
    // The organ: every root, type and inversion sounds the marked keys, lowest first.
    for (int root = 0; root < 12; ++root) {
        Click(Flat(root));
        for (ChordType t : AllChordTypes) {
            Click(Variation(t));
            for (int inversion = 0; inversion < 3; ++inversion) {
                form->window.ChooseItem(*form->InversionSelector, inversion);
                std::vector<KeyNumber> keys = MarkedKeys();
                std::sort(keys.begin(), keys.end());
                ASSERT_EQ(LastChord(), notesOf(keys))
                    << root << " " << RowOf(t).typeName << " " << inversion;
            }
        }
    }
    // The arpeggio climbs the markers in marker order, and the play marker walks with it.
    Click(form->OctaveHigherCheck);
    Click(form->GuitarArpeggioButton);
    loop.RunUntilIdle();
    std::vector<KeyNumber> walked;
    loop.onRepaint = [&] {
        if (form->PlayMarker->visible) {
            walked.push_back(KeyUnder(*form->PlayMarker));
        }
    };
    for (ChordType t : {ChordType::Major, ChordType::MinorMajor7, ChordType::Major13}) {
        Click(Sharp(6));
        loop.RunUntilIdle();
        walked.clear();
        midi.Clear();
        Click(Variation(t));
        loop.RunUntilIdle();
        EXPECT_EQ(midi.NotesOn(), notesOf(MarkedKeys())) << RowOf(t).typeName;
        EXPECT_EQ(walked, MarkedKeys()) << RowOf(t).typeName;
    }
}

TEST_F(SelectionTest, ArpeggioModesHideTheInversionAndResetIt) {
    form->window.ChooseItem(*form->InversionSelector, 2);
    Click(form->GuitarArpeggioButton);
    loop.RunUntilIdle();
    for (ChordType t : {ChordType::Major, ChordType::Minor7, ChordType::Ninth, ChordType::Sus4}) {
        Click(Variation(t));
        loop.RunUntilIdle();
        EXPECT_FALSE(form->InversionSelector->visible) << RowOf(t).typeName;
        EXPECT_FALSE(form->InversionLabel->visible) << RowOf(t).typeName;
        EXPECT_EQ(form->InversionSelector->selectedItem, 0) << RowOf(t).typeName;
    }
    Click(form->HammondButton);
    EXPECT_TRUE(form->InversionSelector->visible);
    EXPECT_TRUE(form->InversionSelector->enabled);
}

TEST_F(SelectionTest, WithoutARootNothingChangesButRemember) {
    for (auto* b : form->FlatRootButtons)
        b->checked = false;
    const std::string line = form->ChordLineLabel->text;
    form->RememberButton->enabled = false;
    midi.Clear();
    form->HandleSelection();
    EXPECT_EQ(form->ChordLineLabel->text, line);
    EXPECT_TRUE(midi.Events().empty());
    EXPECT_TRUE(form->RememberButton->enabled);

    // A root without a variation: the root's name alone and no markers, yet the sound step runs.
    Click(Flat(2));
    for (auto* b : form->VariationButtons)
        b->checked = false;
    midi.Clear();
    form->HandleSelection();
    EXPECT_EQ(form->ChordLineLabel->text, "Chord D");
    EXPECT_TRUE(MarkedKeys().empty());
    EXPECT_EQ(AllNotesOffTimes().size(), 1u);
    EXPECT_TRUE(NoteOns().empty());
}

// A chord value chosen from elsewhere (a list row, a played chord) shows as if its buttons had
// been clicked, and sounds only when asked to.
TEST_F(SelectionTest, AChosenValueChecksItsButtonsAndSoundsByItsPolicy) {
    struct Case {
        ChordValue chord;
        PlayPolicy play;
        std::string line;
        std::vector<KeyNumber> keys;
        std::vector<int> sounded;
    };
    const Case cases[] = {
        {{2, Spelling::Sharp, ChordType::Minor7, Inversion::FirstInversion},
         PlayPolicy::Sound,
         "Chord C#m7:   C# - E - G# - B",
         {14, 5, 9, 12},
         {52, 56, 59, 61}},
        {{3, Spelling::Flat, ChordType::Minor, Inversion::SecondInversion},
         PlayPolicy::Silent,
         "Chord Dm:   D - F - A",
         {15, 18, 10},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        midi.Clear();
        form->SelectChord(c.chord, c.play);
        const auto& column =
            c.chord.spelling == Spelling::Sharp ? form->SharpRootButtons : form->FlatRootButtons;
        EXPECT_TRUE(column[std::size_t(c.chord.root - 1)]->checked);
        EXPECT_TRUE(Variation(c.chord.type)->checked);
        EXPECT_EQ(form->InversionSelector->selectedItem, static_cast<int>(c.chord.inversion));
        EXPECT_EQ(form->ChordLineLabel->text, c.line);
        EXPECT_EQ(MarkedKeys(), c.keys);
        EXPECT_EQ(midi.NotesOn(), c.sounded);
        EXPECT_EQ(form->CurrentChord(), c.chord);
    }
    // The same chord read back from the controls by a click is the same value.
    Click(form->NotesOnPianoCheck);
    EXPECT_EQ(form->CurrentChord(), cases[1].chord);
}

TEST_F(SelectionTest, AGivenVoicingIsShownAndSoundedWhereItStandsAndWaitsForAnArpeggio) {
    const ChordValue g7{8, Spelling::Flat, ChordType::Seventh, Inversion::RootPosition};
    // G7 with its third and fifth below the root, the seventh on top: B2 D3 G3 F4 as keys.
    const std::vector<PlacedTone> voicing = {{1, 20}, {3, 12}, {5, 15}, {7, 30}};
    midi.Clear();
    form->SelectChord(g7, PlayPolicy::Sound, voicing);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{20, 12, 15, 30}));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{59, 62, 67, 77}));
    EXPECT_EQ(form->ChordLineLabel->text, "Chord G7:   G - B - D - F");

    // A click places the chord afresh.
    Click(Variation(ChordType::Seventh));
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{8, 12, 15, 18}));

    // Off the keyboard it cannot be shown: the chord stands where its inversion puts it.
    form->SelectChord(g7, PlayPolicy::Silent, std::vector<PlacedTone>{{1, 8}, {3, 40}});
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{8, 12, 15, 18}));

    // While an arpeggio locks the window the voicing waits with its chord.
    Click(form->GuitarArpeggioButton);
    Click(Flat(0));
    ASSERT_TRUE(form->player.Playing());
    form->SelectChord(g7, PlayPolicy::Silent, voicing);
    loop.RunUntilIdle();
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{20, 12, 15, 30}));
}

}  // namespace
}  // namespace vorlane::testing
