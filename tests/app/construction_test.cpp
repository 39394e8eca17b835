#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {
namespace {

using ui::ControlKind;

TEST_F(FormTest, ControlsAreCreatedInOrderWithTheirGeometry) {
    Build();
    const auto& controls = form->window.Controls();
    ASSERT_EQ(controls.size(), 88u);

    // Creation order around the repeated groups.
    EXPECT_EQ(controls[0]->name, "ChordLineLabel");
    EXPECT_EQ(controls[3]->name, "KeyboardPicture");
    EXPECT_EQ(controls[4]->name, "PlayMarker");
    EXPECT_EQ(controls[5]->name, "KeyMarker1");
    EXPECT_EQ(controls[6]->name, "KeyMarker13");
    EXPECT_EQ(controls[18]->text, "A");  // flat column starts with A, Ab, B, Bb, C ...
    EXPECT_EQ(controls[19]->text, "Ab");
    EXPECT_EQ(controls[29]->text, "Gb");
    EXPECT_EQ(controls[30]->text, "A");  // sharp column: A, A#, B, C, C# ...
    EXPECT_EQ(controls[31]->text, "A#");
    EXPECT_EQ(controls[41]->text, "G#");
    EXPECT_EQ(controls[42]->name, "ColumnDivider");
    EXPECT_EQ(controls[45]->name, "VariationButton16");
    EXPECT_EQ(controls[68]->name, "VariationButton23");
    EXPECT_EQ(controls[69]->name, "InversionSelector");
    EXPECT_EQ(controls[84]->name, "OctaveHigherCheck");
    EXPECT_EQ(controls[85]->name, "ChordListButton");
    EXPECT_EQ(controls[86]->name, "PracticeButton");
    EXPECT_EQ(controls[87]->name, "MidiNoticeLabel");

    struct Expected {
        const char* name;
        ControlKind kind;
        const char* parent;
        int left, top, width, height;
    };
    const Expected samples[] = {
        {"ScaleLineLabel", ControlKind::Label, "", 22, 328, 553, 22},
        {"KeyboardPicture", ControlKind::Picture, "", 15, 402, 717, 159},
        {"PlayMarker", ControlKind::Label, "KeyboardPicture", 487, 128, 16, 16},
        {"KeyMarker11", ControlKind::Label, "KeyboardPicture", 552, 128, 16, 16},
        {"ScaleGroup", ControlKind::GroupBox, "", 16, 16, 161, 304},
        {"ColumnDivider", ControlKind::FrameBar, "ScaleGroup", 72, 32, 5, 249},
        {"FlatRootButtonGb", ControlKind::RadioButton, "ScaleGroup", 16, 172, 0, 22},
        {"SharpRootButtonA#", ControlKind::RadioButton, "ScaleGroup", 96, 244, 0, 22},
        {"VariationButton2", ControlKind::RadioButton, "VariationGroup", 16, 68, 105, 22},
        {"VariationButton13", ControlKind::RadioButton, "VariationGroup", 160, 50, 105, 22},
        {"VariationButton23", ControlKind::RadioButton, "VariationGroup", 160, 230, 113, 22},
        {"InversionSelector", ControlKind::DropDownList, "VariationGroup", 216, 262, 156, 22},
        {"NotesOnPianoCheck", ControlKind::CheckBox, "VariationGroup", 16, 264, 145, 22},
        {"DutchButton", ControlKind::RadioButton, "LanguageGroup", 16, 58, 113, 22},
        {"LogoPicture", ControlKind::Picture, "", 584, 16, 159, 86},
        {"RememberButton", ControlKind::PushButton, "", 588, 328, 149, 26},
        {"ChordListButton", ControlKind::PushButton, "", 588, 296, 149, 26},
        {"PracticeButton", ControlKind::PushButton, "", 588, 264, 149, 26},
        {"MidiNoticeLabel", ControlKind::Label, "", 588, 230, 149, 32},
        {"GuitarArpeggioButton", ControlKind::RadioButton, "SoundGroup", 424, 20, 145, 22},
        {"OctaveHigherCheck", ControlKind::CheckBox, "SoundGroup", 570, 20, 139, 22},
    };
    for (const Expected& e : samples) {
        SCOPED_TRACE(e.name);
        const ui::Control* c = form->window.Find(e.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, e.kind);
        EXPECT_EQ(c->parent ? c->parent->name : "", e.parent);
        EXPECT_EQ(c->left, e.left);
        EXPECT_EQ(c->top, e.top);
        EXPECT_EQ(c->width, e.width);
        EXPECT_EQ(c->height, e.height);
    }

    EXPECT_EQ(form->PlayMarker->backgroundColour, (ui::Rgb{0, 128, 0}));
    EXPECT_EQ(form->KeyMarkers[0]->backgroundColour, (ui::Rgb{255, 0, 0}));
    EXPECT_EQ(form->KeyMarkers[0]->textColour, (ui::Rgb{255, 255, 255}));
    EXPECT_EQ(form->FlatHeader->font, (ui::Font{"", 16, true}));
    EXPECT_EQ(form->window.font, (ui::Font{"System", -11, false}));
    EXPECT_EQ(form->window.clientWidth, 747);
    EXPECT_EQ(form->window.clientHeight, 626);
    EXPECT_FALSE(form->window.maximiseBox);
    EXPECT_TRUE(form->window.fixedSize);
    EXPECT_EQ(form->InfoButton->hint, "Click this button for more info on the 'Vorlane' program.");
    EXPECT_EQ(form->saveDialog.filter, "Piano Chords|*.txt");
}

TEST_F(FormTest, BuildingSelectsFlatCAndMajorAndRefreshesTwiceSilently) {
    midi.recordWhileClosed = true;  // see what construction would have sent
    Build();
    EXPECT_TRUE(form->FlatRootButtons[0]->checked);
    EXPECT_TRUE(form->VariationButtons[0]->checked);
    // Two selection runs, each ending in the sound step: a reset and nothing else.
    EXPECT_EQ(AllNotesOffTimes().size(), 2u);
    EXPECT_TRUE(NoteOns().empty());
    EXPECT_FALSE(midi.IsOpen());

    EXPECT_EQ(Variation(ChordType::Major)->text, "C");
    EXPECT_EQ(Variation(ChordType::Minor)->text, "Cm");
    EXPECT_EQ(Variation(ChordType::Diminished)->text, "C\u00b0 (DIM)");
    EXPECT_EQ(Variation(ChordType::Sus4)->text, "Csus4");
    // No language applied yet: the captions are still empty.
    EXPECT_EQ(form->ChordLineLabel->text, "C:   C - E - G");
    EXPECT_EQ(form->ScaleLineLabel->text, " C:   C - D - E - F - G - A - B - C");
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{1, 5, 8}));

    for (ui::Control* b :
         {form->EnglishButton, form->FrenchButton, form->DutchButton, form->NoSoundButton,
          form->HammondButton, form->PianoArpeggioButton, form->GuitarArpeggioButton}) {
        EXPECT_FALSE(b->checked) << b->name;
    }
    EXPECT_TRUE(form->InversionSelector->visible);
    EXPECT_EQ(form->InversionSelector->selectedItem, 0);
    EXPECT_FALSE(form->window.IsShown());
}

TEST_F(FormTest, RadioSetsFollowTheirParent) {
    Build();
    Click(Sharp(1));
    EXPECT_TRUE(Sharp(1)->checked);
    for (int p = 0; p < 12; ++p) {
        EXPECT_FALSE(Flat(p)->checked);
    }
    Click(Variation(ChordType::Minor7));
    EXPECT_FALSE(Variation(ChordType::Major)->checked);
    EXPECT_TRUE(Sharp(1)->checked) << "variations are a set of their own";
    Click(form->NotesOnPianoCheck);
    EXPECT_TRUE(form->NotesOnPianoCheck->checked);
    EXPECT_TRUE(Variation(ChordType::Minor7)->checked)
        << "the check box is not part of the radio set";
}

}  // namespace
}  // namespace vorlane::testing
