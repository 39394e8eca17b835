#include "tests/app/main_window_fixture.h"
#include "ui/focus.h"

namespace vorlane::testing {
namespace {

using ui::Arrow;

std::vector<std::string> TabWalk(const ui::Window& w, bool backward) {
    std::vector<std::string> names;
    const ui::Control* at = ui::NextTabStop(w, nullptr, backward);
    for (const ui::Control* c = at; c != nullptr && names.size() < 40;) {
        names.push_back(c->name);
        c = ui::NextTabStop(w, c, backward);
        if (c == at) {
            break;
        }
    }
    return names;
}

TEST_F(FormTest, TabEntersEachSetOnItsChoiceAndSkipsWhatCannotBeUsed) {
    StartWith("Engels", "GeenMidi", "Laag");
    const std::vector<std::string> start = {
        "FlatRootButtonC", "VariationButton0", "InversionSelector", "NotesOnPianoCheck",
        "EnglishButton",   "InfoButton",       "PracticeButton",    "ChordListButton",
        "RememberButton",  "NoSoundButton",    "OctaveHigherCheck"};  // Save is disabled while
                                                                      // nothing is remembered
    EXPECT_EQ(TabWalk(form->window, false), start);
    std::vector<std::string> back(start.rbegin(), start.rend());
    EXPECT_EQ(TabWalk(form->window, true), back);

    Click(form->HammondButton);
    Click(Sharp(6));
    Click(Variation(ChordType::Ninth));  // a ninth cannot be inverted: the list is hidden
    Click(form->RememberButton);
    EXPECT_EQ(TabWalk(form->window, false),
              (std::vector<std::string>{"SharpRootButtonF#", "VariationButton13",
                                        "NotesOnPianoCheck", "EnglishButton", "InfoButton",
                                        "PracticeButton", "ChordListButton", "SaveButton",
                                        "HammondButton", "OctaveHigherCheck"}));
}

TEST_F(FormTest, ArrowKeysChooseAlongColumnsAndRowsExactlyAsClicks) {
    StartWith("Engels", "Hammond", "Laag");
    ui::Window& w = form->window;
    auto arrow = [&](ui::Control* from, Arrow a) { return ui::ChooseByArrow(w, *from, a); };

    midi.Clear();
    EXPECT_EQ(arrow(Flat(0), Arrow::Down), Flat(1));
    EXPECT_EQ(form->ChordLineLabel->text, "Chord Db:   Db - F - Ab");
    EXPECT_EQ(NoteOns(), (std::vector<std::pair<std::int64_t, int>>{{0, 49}, {0, 53}, {0, 56}}));
    EXPECT_EQ(arrow(Flat(1), Arrow::Right), Sharp(1));
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C#:   C# - F - G#");
    EXPECT_EQ(arrow(Sharp(1), Arrow::Right), nullptr);
    EXPECT_EQ(arrow(Sharp(1), Arrow::Up), Sharp(0));
    EXPECT_EQ(arrow(Sharp(0), Arrow::Up), nullptr) << "no wrap at the top";
    Flat(1)->enabled = false;
    EXPECT_EQ(arrow(Sharp(0), Arrow::Left), Flat(0));
    EXPECT_EQ(arrow(Flat(0), Arrow::Down), Flat(2)) << "a disabled button is passed over";
    Flat(1)->enabled = true;

    EXPECT_EQ(arrow(Variation(ChordType::Major), Arrow::Right), Variation(ChordType::SixNine));
    EXPECT_EQ(arrow(Variation(ChordType::SixNine), Arrow::Down), Variation(ChordType::Ninth));
    EXPECT_EQ(arrow(Variation(ChordType::Ninth), Arrow::Left), Variation(ChordType::Minor));
    EXPECT_TRUE(Variation(ChordType::Minor)->checked);
    EXPECT_FALSE(Variation(ChordType::Ninth)->checked);
    // A row answers every arrow along it, a column too.
    EXPECT_EQ(arrow(form->HammondButton, Arrow::Down), form->PianoArpeggioButton);
    loop.RunUntilIdle();
    EXPECT_EQ(arrow(form->PianoArpeggioButton, Arrow::Up), form->HammondButton);
    EXPECT_EQ(arrow(form->EnglishButton, Arrow::Right), form->FrenchButton);
    EXPECT_EQ(form->ChordLineLabel->text, "Accord Dm:   D - F - A");
    EXPECT_EQ(settings.Values().at("Taal"), "Frans");
    EXPECT_EQ(arrow(form->NotesOnPianoCheck, Arrow::Down), nullptr);

    // While an arpeggio plays its sets are locked: no arrow moves the choice.
    Click(form->GuitarArpeggioButton);
    Click(Flat(0));
    ASSERT_TRUE(form->player.Playing());
    EXPECT_EQ(arrow(Flat(0), Arrow::Down), nullptr);
    EXPECT_EQ(ui::NextTabStop(w, nullptr, false), form->InfoButton);
}

// Shortcuts and copy as the window sees them are checked through Qt in the GUI tests; here
// what needs virtual time: the close that waits, and the key that sounds.
TEST_F(FormTest, QuitWaitsForTheArpeggioWhoseSoundingKeyIsTheCurrentOne) {
    StartWith("Nederlands", "Guitar", "Laag");
    Click(Sharp(6));
    auto current = [&] {
        std::vector<std::string> names;
        for (const ui::AccessibleItem& k : form->KeyboardPicture->accessibleItems()) {
            if (k.current) {
                names.push_back(k.name);
            }
        }
        return names;
    };
    EXPECT_EQ(current(), std::vector<std::string>{"F#3"});
    form->window.PressShortcut("Ctrl+Q");
    EXPECT_FALSE(form->window.IsClosed()) << "the close waits for the arpeggio";
    loop.RunUntilIdle();
    EXPECT_TRUE(current().empty());
    EXPECT_TRUE(form->window.IsClosed());
}

}  // namespace
}  // namespace vorlane::testing
