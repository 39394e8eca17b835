#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QToolButton>
#include <tuple>

#include "tests/support/chord_list_fixture.h"

namespace vorlane::testing {
namespace {

using List = std::vector<std::string>;

TEST_F(ChordListWindowTest, NamedRowsThatArrowKeysChooseAndTheMainWindowShowsAndSounds) {
    OpenWindow({kC, kG7First, kCSharpM7});
    // A screen reader reads a list of named rows: name, inversion, notes, numeral in the key.
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(&Rows());
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->role(), QAccessible::List);
    EXPECT_EQ(rows->text(QAccessible::Name), "Remembered chords");
    ASSERT_EQ(rows->childCount(), 3);
    EXPECT_EQ(rows->child(0)->text(QAccessible::Name), "C:   C - E - G   (I)");
    EXPECT_EQ(rows->child(1)->text(QAccessible::Name), "G7, 1st reversal:   G - B - D - F   (V7)");
    EXPECT_EQ(rows->child(2)->text(QAccessible::Name), "C#m7:   C# - E - G# - B   (bii7)");

    midi.Clear();
    Press(Qt::Key_Up);
    EXPECT_EQ(form->InversionSelector->selectedItem, 1);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{20, 12, 15, 18}));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{59, 62, 65, 67}));
    midi.Clear();
    Press(Qt::Key_Down);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C#m7:   C# - E - G# - B");
    EXPECT_TRUE(Sharp(1)->checked) << "in the column it was remembered in";
    EXPECT_TRUE(Variation(ChordType::Minor7)->checked);
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{49, 52, 56, 59}));
    EXPECT_TRUE(form->RememberButton->enabled) << "a new selection can be remembered";

    // Removing the chosen row moves the current row on without sounding anything.
    midi.Clear();
    Press(Qt::Key_Delete);
    EXPECT_EQ(Names(), (List{"C", "G7"}));
    EXPECT_TRUE(midi.NotesOn().empty());

    // While an arpeggio locks the window, the row's chord waits for its end.
    Click(form->GuitarArpeggioButton);
    loop.RunUntilIdle();
    Click(Flat(5));
    ASSERT_TRUE(form->player.Playing());
    const std::string locked = form->ChordLineLabel->text;
    Press(Qt::Key_Up);
    EXPECT_EQ(form->ChordLineLabel->text, locked);
    loop.RunUntilIdle();
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
}

TEST_F(ChordListWindowTest, EveryChangeOfTheListIsUndoneAndRedoneAndSaveFollows) {
    const List start = {"C", "Dm7", "G7", "F", "Am"};
    const std::string dutch = std::string{kHome} + "/nl.txt";
    files.AddFile(dutch,
                  "Geselecteerde Akkoorden\n=======================\n\nAkkoord Am:   A - C - E\n");
    const QKeyCombination altDown = Qt::ALT | Qt::Key_Down;
    // The rows are chosen, the keys pressed in the list, a button clicked in the main window;
    // rows chosen with nothing pressed or clicked are dropped below the middle of the last.
    struct Case {
        const char* what;
        std::vector<int> chosen;
        std::vector<QKeyCombination> keys;
        ui::Control* MainWindow::*click;
        List after;
    };
    // clang-format off
    const Case cases[] = {
        {"Alt+Down twice: moved rows stay chosen", {0, 1}, {altDown, altDown}, nullptr,
         {"G7", "F", "C", "Dm7", "Am"}},
        {"Alt+Up", {2, 4}, {Qt::ALT | Qt::Key_Up}, nullptr, {"C", "G7", "Dm7", "Am", "F"}},
        {"Delete", {1, 3, 4}, {Qt::Key_Delete}, nullptr, {"C", "G7"}},
        {"Ctrl+D", {1, 2}, {Qt::CTRL | Qt::Key_D}, nullptr,
         {"C", "Dm7", "G7", "Dm7", "G7", "F", "Am"}},
        {"two rows dropped", {0, 1}, {}, nullptr, {"G7", "F", "Am", "C", "Dm7"}},
        {"Ctrl+O", {}, {Qt::CTRL | Qt::Key_O}, nullptr, {"Am"}},
        {"remember", {}, {Qt::Key_Up}, &MainWindow::RememberButton,
         {"C", "Dm7", "G7", "F", "Am", "F"}},
        {"language change", {}, {}, &MainWindow::FrenchButton, {}},
        {"save", {}, {}, &MainWindow::SaveButton, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenWindow({kC, kDm7, kG7First, kF, kAm});
        dialogs.saveAnswers = {std::string{kHome} + "/saved.txt"};
        dialogs.openAnswers = {dutch};
        const int before = list->History().index();
        Edit(c.chosen, c.keys);
        if (c.click != nullptr) {
            Click((*form).*c.click);
        } else if (c.keys.empty()) {
            const std::unique_ptr<QMimeData> rows(
                list->Model().mimeData(Rows().selectionModel()->selectedIndexes()));
            EXPECT_TRUE(Rows().DropRows(*rows, Centre(4) + QPoint(0, 3)));
        }
        EXPECT_EQ(Names(), c.after);
        EXPECT_EQ(form->SaveButton->enabled, !c.after.empty());

        // Undone from the main window's keys, redone from the list's own.
        const int edits = list->History().index() - before;
        for (int i = 0; i < edits; ++i) {
            form->window.PressShortcut("Ctrl+Z");
        }
        EXPECT_EQ(Names(), start);
        EXPECT_TRUE(form->SaveButton->enabled);
        EXPECT_EQ(Row(2).substr(0, 7),
                  form->state.language == Language::French ? "G7, 1er" : "G7, 1st")
            << "shown in the language of the moment";
        for (int i = 0; i < edits; ++i) {
            Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        }
        EXPECT_EQ(Names(), c.after);
        EXPECT_EQ(form->SaveButton->enabled, !c.after.empty());
    }
}

TEST_F(ChordListWindowTest, TheKeyGivesTheNumeralsAndTransposingSpellsInTheNewKey) {
    const QKeyCombination up = Qt::CTRL | Qt::Key_Up;
    // A key chosen in the key bar, tonic then mode; then the rows chosen and the keys pressed
    // in the list; then a key taken from the Transpose To menu.
    struct Case {
        const char* what;
        std::vector<ChordValue> start;
        std::optional<MusicalKey> chosenKey;
        std::vector<int> rows;
        std::vector<QKeyCombination> keys;
        KeyNumber transposeTo;  // 0: none
        List names;
        std::string key;  // as the key bar shows it
        std::string secondRow;
    };
    const std::vector<ChordValue> twoFiveOne = {kDm7, kG7, kC};
    const std::vector<ChordValue> minor = {kAm, Chord(3, ChordType::Minor),
                                           Chord(5, ChordType::Seventh)};
    // clang-format off
    const Case cases[] = {
        {"the first chord's root until one is chosen", twoFiveOne, {}, {}, {}, 0,
         {"Dm7", "G7", "C"}, "D major", "G7:   G - B - D - F   (IV7)"},
        {"C chosen, every row a semitone up, key and all", twoFiveOne, MusicalKey{1, false},
         {0, 1, 2}, {up}, 0, {"Ebm7", "Ab7", "Db"}, "Db major", "Ab7:   Ab - C - Eb - Gb   (V7)"},
        {"no row chosen: the whole list twice up, into sharps", twoFiveOne, {}, {}, {up, up}, 0,
         {"Em7", "A7", "D"}, "E major", "A7:   A - C# - E - G   (IV7)"},
        {"one row down, spelled in the key it stays in", twoFiveOne, {}, {1},
         {Qt::CTRL | Qt::Key_Down}, 0, {"Dm7", "F#7", "C"}, "D major",
         "F#7:   F# - A# - C# - E   (III7)"},
        {"to A, the shorter way down", twoFiveOne, {}, {}, {}, 10,
         {"Am7", "D7", "G"}, "A major", "D7:   D - F# - A - C   (IV7)"},
        {"A minor chosen, then E", minor, MusicalKey{10, true}, {}, {}, 5,
         {"Em", "Am", "B7"}, "E minor", "Am:   A - C - E   (iv)"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenWindow(c.start);
        auto* tonic = window->findChild<QComboBox*>("KeyTonic");
        auto* mode = window->findChild<QComboBox*>("KeyMode");
        auto keyShown = [&] {
            return (tonic->currentText() + QLatin1Char(' ') + mode->currentText()).toStdString();
        };
        const List names = Names();
        const std::string key = keyShown();
        const int before = list->History().index();
        if (c.chosenKey) {
            tonic->setCurrentIndex(c.chosenKey->tonic - 1);
            Q_EMIT tonic->activated(tonic->currentIndex());
            mode->setCurrentIndex(c.chosenKey->minor ? 1 : 0);
            Q_EMIT mode->activated(mode->currentIndex());
        }
        Edit(c.rows, c.keys);
        if (c.transposeTo != 0) {
            QMenu* menu = window->findChild<QToolButton*>("TransposeToButton")->menu();
            Q_EMIT menu->aboutToShow();
            menu->actions().at(c.transposeTo - 1)->trigger();
        }
        EXPECT_EQ(Names(), c.names);
        EXPECT_EQ(keyShown(), c.key);
        EXPECT_EQ(Row(1), c.secondRow);
        list->History().setIndex(before);
        EXPECT_EQ(Names(), names);
        EXPECT_EQ(keyShown(), key);
        list->History().setIndex(list->History().count());
        EXPECT_EQ(Row(1), c.secondRow);
    }
}

TEST_F(ChordListWindowTest, AResizableWindowOfItsOwnAboveAndBesideTheMainWindow) {
    OpenWindow({kC});
    EXPECT_EQ(window->windowTitle(), "Chord List");
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->parentWidget(), view.get()) << "kept above the main window";
    EXPECT_NE(window->minimumSize(), window->maximumSize());
    const QRect beside = window->frameGeometry();
    // Space in the list plays it and stops it.
    Press(Qt::Key_Space);
    EXPECT_TRUE(list->Playing());
    EXPECT_EQ(window->findChild<QToolButton*>("PlayButton")->text(), "Stop");
    Press(Qt::Key_Space);
    EXPECT_FALSE(list->Playing());

    // Right of the main window where it fits, else left, else as far right as it can.
    const QRect screen(0, 0, 1920, 1080);
    const QSize own(420, 650);
    for (auto [at, expected] : {std::pair{QRect(100, 50, 747, 650), QPoint(855, 50)},
                                std::pair{QRect(1100, 50, 747, 650), QPoint(672, 50)},
                                std::pair{QRect(300, 50, 1500, 650), QPoint(1500, 50)}}) {
        EXPECT_EQ(PlaceBeside(at, own, screen), expected);
    }

    // Opened again after the user moved it, it stays where the user put it.
    window->hide();
    window->move(beside.topLeft() + QPoint(0, 40));
    Click(form->ChordListButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frameGeometry().top(), beside.top() + 40);
    // Titled, as the main window's button is captioned, in the language of the moment.
    for (const auto& [button, title] : {std::pair{&MainWindow::DutchButton, "Akkoordenlijst"},
                                        std::pair{&MainWindow::FrenchButton, "Liste d'accords"}}) {
        Click((*form).*button);
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_EQ(form->ChordListButton->text, title);
        // Beside a main window in the middle of a 1920-pixel screen.
        EXPECT_LE(window->minimumSizeHint().width(), (1920 - view->width()) / 2 - 8) << title;
    }

    list->Undo();  // the list the language change started afresh
    list->Play();
    ASSERT_TRUE(list->Playing());
    window->close();
    EXPECT_FALSE(list->Playing()) << "closed, it stops";
}

TEST_F(ChordListWindowTest, HowTheListWasPlayedComesBackNextTime) {
    OpenWindow({kC});
    window->findChild<QSpinBox*>("TempoBox")->setValue(132);
    window->findChild<QSpinBox*>("BeatsBox")->setValue(2);
    window->findChild<QCheckBox*>("LoopCheck")->setChecked(true);
    window->findChild<QCheckBox*>("SmoothVoicingCheck")->setChecked(true);
    OpenWindow({kC});  // the program started again on the same settings
    EXPECT_EQ(window->findChild<QSpinBox*>("TempoBox")->value(), 132);
    EXPECT_EQ(window->findChild<QSpinBox*>("BeatsBox")->value(), 2);
    EXPECT_TRUE(window->findChild<QCheckBox*>("LoopCheck")->isChecked());
    EXPECT_TRUE(window->findChild<QCheckBox*>("SmoothVoicingCheck")->isChecked());
    EXPECT_EQ(list->Options().bpm, 132);

    // Values a hand-edited file may hold: out of range is brought into it, junk is the default.
    view.reset();
    for (auto [tempo, beats, bpm, beatsPerChord] :
         {std::tuple{"500", "0", 240, 1}, std::tuple{"fast", " 3", 90, 4}}) {
        settings.Set("LijstTempo", tempo);
        settings.Set("LijstTellen", beats);
        StartList();
        EXPECT_EQ(list->Tempo(), bpm) << tempo;
        EXPECT_EQ(list->BeatsPerChord(), beatsPerChord) << beats;
    }
    settings.ClearWrites();
    list->SetTempo(list->Tempo());
    EXPECT_TRUE(settings.Writes().empty()) << "only a change is written";
}

}  // namespace
}  // namespace vorlane::testing
