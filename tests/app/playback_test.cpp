#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {
namespace {

using Onsets = std::vector<std::pair<std::int64_t, int>>;

TEST_F(FormTest, HammondSendsResetProgramThenNotesAtOnceAndHoldsThem) {
    StartWith("Engels", "Hammond", "Laag");
    midi.Clear();
    Click(Flat(0));
    const auto& events = midi.Events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].kind, RecordingMidiOut::Kind::AllNotesOff);
    using Message = RecordingMidiOut::Message;
    EXPECT_EQ(events[1].message, (Message{0xC0, 16, 0}));
    EXPECT_EQ(events[2].message, (Message{0x90, 48, 127}));
    EXPECT_EQ(events[3].message, (Message{0x90, 52, 127}));
    EXPECT_EQ(events[4].message, (Message{0x90, 55, 127}));
    EXPECT_FALSE(loop.HasPendingTasks()) << "an organ chord has no end of its own";

    // No sound silences the held chord.
    midi.Clear();
    Click(form->NoSoundButton);
    ASSERT_FALSE(midi.Events().empty());
    EXPECT_EQ(midi.Events()[0].kind, RecordingMidiOut::Kind::AllNotesOff);
    EXPECT_TRUE(NoteOns().empty());
    Click(Flat(5));
    EXPECT_TRUE(NoteOns().empty());
}

TEST_F(FormTest, PianoArpeggioTimingAndLock) {
    StartWith("Engels", "Piano", "Laag");
    std::vector<bool> lockedDuring;
    loop.onRepaint = [&] {
        lockedDuring.push_back(!Flat(3)->enabled && !Variation(ChordType::MinorMajor7)->enabled &&
                               !form->NotesOnPianoCheck->enabled && !form->HammondButton->enabled &&
                               !form->OctaveHigherCheck->enabled && !form->EnglishButton->enabled &&
                               form->RememberButton->enabled && form->SaveButton->visible &&
                               form->InfoButton->enabled && form->PlayMarker->visible);
    };
    const std::int64_t start = loop.NowMs();
    Click(Variation(ChordType::Seventh));  // C7: four notes
    EXPECT_TRUE(form->player.Playing());
    loop.RunUntilIdle();
    const Onsets expected = {{start, 48}, {start + 400, 52}, {start + 800, 55}, {start + 1200, 58}};
    EXPECT_EQ(NoteOns(), expected);
    // The refresh paints before anything sounds; each note then paints its play marker.
    EXPECT_EQ(lockedDuring, (std::vector<bool>{false, true, true, true, true}));
    EXPECT_EQ(AllNotesOffTimes().back(), start + 2400);
    EXPECT_EQ(Programs().back(), 0);
    EXPECT_FALSE(form->player.Playing());
    EXPECT_FALSE(form->PlayMarker->visible);
    EXPECT_TRUE(Flat(3)->enabled);
    EXPECT_TRUE(form->OctaveHigherCheck->enabled);
    EXPECT_FALSE(form->InversionSelector->visible) << "unlocking keeps the arpeggio rule";
}

TEST_F(FormTest, PlayMarkerWalksTheKeysWithNames) {
    StartWith("Engels", "Guitar", "Hoog");
    Click(form->NotesOnPianoCheck);  // plays C major an octave up
    std::vector<std::pair<int, std::string>> seen;
    loop.onRepaint = [&] {
        if (form->PlayMarker->visible) {
            seen.emplace_back(form->PlayMarker->left, form->PlayMarker->text);
        }
    };
    loop.RunUntilIdle();
    EXPECT_EQ(seen, (std::vector<std::pair<int, std::string>>{{80, "E"}, {148, "G"}}))
        << "the first note's marker is painted before this hook was installed";
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 3u);
    EXPECT_EQ(ons[0].second, 60);
    EXPECT_EQ(ons[2].second, 67);
    EXPECT_EQ(ons[1].first - ons[0].first, 100);
    EXPECT_EQ(AllNotesOffTimes().back() - ons[0].first, 3 * 100 + 800);
}

TEST_F(FormTest, CloseDuringArpeggioWaitsForItsEnd) {
    StartWith("Engels", "Piano", "Laag");
    bool closedByView = false;
    form->window.onClosed = [&] { closedByView = true; };
    Click(Flat(0));
    loop.AdvanceBy(500);
    EXPECT_FALSE(form->window.RequestClose());
    EXPECT_TRUE(form->closeRequested);
    EXPECT_TRUE(midi.IsOpen());
    loop.AdvanceBy(1000);
    EXPECT_FALSE(closedByView);
    loop.RunUntilIdle();
    EXPECT_EQ(NoteOns().size(), 3u) << "the arpeggio finishes";
    EXPECT_TRUE(closedByView);
    EXPECT_TRUE(form->window.IsClosed());
    EXPECT_FALSE(midi.IsOpen());
}

// A close refused during an arpeggio comes due while a dialog is open: the dialog stays and
// does its work, and the window closes once, after it.
TEST_F(FormTest, DeferredCloseWaitsForAnOpenDialog) {
    enum class Case { Save, FailedSave, About };
    for (const Case which : {Case::Save, Case::FailedSave, Case::About}) {
        SCOPED_TRACE(static_cast<int>(which));
        loop = {};
        StartWith("Engels", "Piano", "Laag");
        int closes = 0;
        form->window.onClosed = [&] { ++closes; };
        Click(Flat(0));
        Click(form->RememberButton);
        EXPECT_FALSE(form->window.RequestClose());
        bool closedWhileOpen = true;
        dialogs.whileOpen = [&] {
            loop.AdvanceBy(10'000);  // well past the arpeggio's end
            closedWhileOpen = form->window.IsClosed() || loop.HasPendingTasks();
        };
        const std::string path = which == Case::Save ? std::string{kHome} + "/list.txt"
                                                     : std::string{kHome} + "/missing/list.txt";
        dialogs.saveAnswers = {path};
        Click(which == Case::About ? form->InfoButton : form->SaveButton);
        dialogs.whileOpen = nullptr;
        EXPECT_FALSE(closedWhileOpen);
        EXPECT_FALSE(form->player.Playing());
        EXPECT_EQ(closes, 0);
        EXPECT_EQ(files.FileContent(path).has_value(), which == Case::Save);
        EXPECT_EQ(dialogs.errors.size(), which == Case::FailedSave ? 1u : 0u);
        loop.RunUntilIdle();
        EXPECT_EQ(closes, 1);
        EXPECT_FALSE(midi.IsOpen());
        form.reset();
        dialogs.errors.clear();
    }
}

TEST_F(FormTest, CloseWithoutArpeggioSilencesAndClosesAtOnce) {
    StartWith("Engels", "Hammond", "Laag");
    Click(Flat(0));
    midi.Clear();
    EXPECT_TRUE(form->window.RequestClose());
    ASSERT_EQ(midi.Events().size(), 2u);
    EXPECT_EQ(midi.Events()[0].kind, RecordingMidiOut::Kind::AllNotesOff);
    EXPECT_EQ(midi.Events()[1].kind, RecordingMidiOut::Kind::Close);
}

TEST_F(FormTest, OctaveOptionStoresAndReplays) {
    StartWith("Engels", "Hammond", "Laag");
    midi.Clear();
    Click(form->OctaveHigherCheck);
    EXPECT_EQ(settings.Values().at("Octaaf"), "Hoog");
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{60, 64, 67}));
    midi.Clear();
    Click(form->OctaveHigherCheck);
    EXPECT_EQ(settings.Values().at("Octaaf"), "Laag");
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{48, 52, 55}));
}

TEST_F(FormTest, PianoAndGuitarTreatAChosenInversionDifferently) {
    StartWith("Engels", "Hammond", "Laag");
    Click(Flat(0));
    form->window.ChooseItem(*form->InversionSelector, 1);
    midi.Clear();
    Click(form->PianoArpeggioButton);
    EXPECT_TRUE(NoteOns().empty()) << "piano tests the inversion before resetting it";
    EXPECT_EQ(form->InversionSelector->selectedItem, 0);
    EXPECT_EQ(settings.Values().at("Midi"), "Piano");

    Click(form->HammondButton);
    form->window.ChooseItem(*form->InversionSelector, 1);
    midi.Clear();
    Click(form->GuitarArpeggioButton);
    loop.RunUntilIdle();
    // Guitar resets the selector first and then plays the markers as they stand.
    std::vector<int> notes;
    for (auto [t, n] : NoteOns())
        notes.push_back(n);
    EXPECT_EQ(notes, (std::vector<int>{60, 52, 55}));
    EXPECT_EQ(settings.Values().at("Midi"), "Guitar");
}

TEST_F(FormTest, DestroyingTheWindowMidArpeggioCancelsItsSteps) {
    StartWith("Engels", "Piano", "Laag");
    Click(Flat(0));
    form.reset();
    midi.Clear();
    loop.RunUntilIdle();
    EXPECT_TRUE(midi.Events().empty());
}

}  // namespace
}  // namespace vorlane::testing
