#include "tests/support/chord_list_fixture.h"

namespace vorlane::testing {
namespace {

TEST_F(ChordListTest, ChoosingARowShowsAndSoundsItsChordAsAClickWould) {
    StartList("Engels", "Hammond");
    const ChordValue cSharpM7 = Chord(2, ChordType::Minor7, Spelling::Sharp);
    const ChordValue g7First =
        Chord(8, ChordType::Seventh, Spelling::Flat, Inversion::FirstInversion);
    Remember({kC, cSharpM7, g7First});
    EXPECT_EQ(Row(0), "C:   C - E - G   (I)");
    EXPECT_EQ(Row(1), "C#m7:   C# - E - G# - B   (bii7)");
    EXPECT_EQ(Row(2), "G7, 1st reversal:   G - B - D - F   (V7)");

    midi.Clear();
    list->Choose(1);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C#m7:   C# - E - G# - B");
    EXPECT_TRUE(Sharp(1)->checked);
    EXPECT_TRUE(Variation(ChordType::Minor7)->checked);
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{49, 52, 56, 59}));
    EXPECT_TRUE(form->RememberButton->enabled) << "a new selection can be remembered";

    midi.Clear();
    list->Choose(2);
    EXPECT_EQ(form->InversionSelector->selectedItem, 1);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{20, 12, 15, 18}));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{59, 62, 65, 67}));

    // While an arpeggio locks the window, the row's chord waits for its end.
    Click(form->GuitarArpeggioButton);
    loop.RunUntilIdle();
    Click(Flat(5));
    ASSERT_TRUE(form->player.Playing());
    list->Choose(0);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord F7:   F - A - C - Eb");
    loop.RunUntilIdle();
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
}

TEST_F(ChordListTest, EveryChangeOfTheListIsUndoneAndRedoneAndSaveFollows) {
    const ChordValue g7First =
        Chord(8, ChordType::Seventh, Spelling::Flat, Inversion::FirstInversion);
    using List = std::vector<std::string>;
    const List start = {"C", "Dm7", "G7", "F", "Am"};
    struct Case {
        const char* what;
        std::function<void()> act;
        List after;
    };
    const std::string path = std::string{kHome} + "/saved.txt";
    const Case cases[] = {
        {"remember", [&] { Remember(kDm7); }, {"C", "Dm7", "G7", "F", "Am", "Dm7"}},
        {"language change", [&] { Click(form->FrenchButton); }, {}},
        {"save",
         [&] {
             dialogs.saveAnswers.push_back(path);
             Click(form->SaveButton);
         },
         {}},
        {"move two",
         [&] {
             list->MoveRows(std::vector<std::size_t>{2, 0}, 5);
         },
         {"Dm7", "F", "Am", "C", "G7"}},
        {"step up",
         [&] {
             list->StepRows(std::vector<std::size_t>{2, 4}, true);
         },
         {"C", "G7", "Dm7", "Am", "F"}},
        {"step down",
         [&] { list->StepRows(std::vector<std::size_t>{0}, false); },
         {"Dm7", "C", "G7", "F", "Am"}},
        {"remove",
         [&] {
             list->RemoveRows(std::vector<std::size_t>{4, 1, 3});
         },
         {"C", "G7"}},
        {"duplicate",
         [&] {
             list->DuplicateRows(std::vector<std::size_t>{1, 2});
         },
         {"C", "Dm7", "G7", "Dm7", "G7", "F", "Am"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartList("Engels", "GeenMidi");
        Remember({kC, kDm7, g7First, kF, kAm});
        c.act();
        EXPECT_EQ(Names(), c.after);
        EXPECT_EQ(form->SaveButton->enabled, !c.after.empty());
        EXPECT_EQ(list->Model().rowCount(), int(c.after.size()));

        // Undo from the main window's keys, redo from the list's own.
        form->window.PressShortcut("Ctrl+Z");
        EXPECT_EQ(Names(), start);
        EXPECT_TRUE(form->SaveButton->enabled);
        EXPECT_EQ(Row(2).substr(0, 7),
                  form->state.language == Language::French ? "G7, 1er" : "G7, 1st")
            << "shown in the language of the moment";
        list->Redo();
        EXPECT_EQ(Names(), c.after);
        EXPECT_EQ(form->SaveButton->enabled, !c.after.empty());
    }
}

}  // namespace
}  // namespace vorlane::testing

namespace vorlane::testing {
namespace {

std::string KeyName(const MusicalKey& key) {
    return std::string{TonicName(key)} + (key.minor ? " minor" : " major");
}

TEST_F(ChordListTest, TheKeyGivesTheNumeralsAndTransposingSpellsInTheNewKey) {
    using Rows = std::vector<std::size_t>;
    struct Case {
        const char* what;
        std::vector<ChordValue> start;
        std::function<void()> act;
        std::vector<std::string> names;
        std::string key;
        std::string secondRow;
    };
    const std::vector<ChordValue> twoFiveOne = {kDm7, kG7, kC};
    const std::vector<ChordValue> minor = {kAm, Chord(3, ChordType::Minor),
                                           Chord(5, ChordType::Seventh)};
    const Case cases[] = {
        {"the first chord's root until one is chosen",
         twoFiveOne,
         [] {},
         {"Dm7", "G7", "C"},
         "D major",
         "G7:   G - B - D - F   (IV7)"},
        {"a key chosen",
         twoFiveOne,
         [&] {
             list->ChooseKey({1, false});
         },
         {"Dm7", "G7", "C"},
         "C major",
         "G7:   G - B - D - F   (V7)"},
        {"a semitone up, key and all",
         twoFiveOne,
         [&] {
             list->ChooseKey({1, false});
             list->History().clear();
             list->Transpose(Rows{}, 1);
         },
         {"Ebm7", "Ab7", "Db"},
         "Db major",
         "Ab7:   Ab - C - Eb - Gb   (V7)"},
        {"two semitones up: into sharps",
         twoFiveOne,
         [&] {
             list->Transpose(Rows{0, 1, 2}, 2);
         },
         {"Em7", "A7", "D"},
         "E major",
         "A7:   A - C# - E - G   (IV7)"},
        {"one row down, in the key it stays in",
         twoFiveOne,
         [&] { list->Transpose(Rows{1}, -1); },
         {"Dm7", "F#7", "C"},
         "D major",
         "F#7:   F# - A# - C# - E   (III7)"},
        {"to A, the shorter way down",
         twoFiveOne,
         [&] { list->TransposeTo(10); },
         {"Am7", "D7", "G"},
         "A major",
         "D7:   D - F# - A - C   (IV7)"},
        {"a minor key to E",
         minor,
         [&] {
             list->ChooseKey({10, true});
             list->History().clear();
             list->TransposeTo(5);
         },
         {"Em", "Am", "B7"},
         "E minor",
         "Am:   A - C - E   (iv)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartList("Engels", "GeenMidi");
        for (const ChordValue& chord : c.start) {
            Remember(chord);
        }
        const std::vector<std::string> before = Names();
        const std::string keyBefore = KeyName(list->Key());
        const int edits = list->History().count();
        c.act();
        EXPECT_EQ(Names(), c.names);
        EXPECT_EQ(KeyName(list->Key()), c.key);
        EXPECT_EQ(Row(1), c.secondRow);
        if (list->History().count() > edits) {
            list->Undo();
            EXPECT_EQ(Names(), before);
            EXPECT_EQ(KeyName(list->Key()), keyBefore);
            list->Redo();
            EXPECT_EQ(Row(1), c.secondRow);
        }
    }
}

}  // namespace
}  // namespace vorlane::testing
