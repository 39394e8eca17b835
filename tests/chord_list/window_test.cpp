#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolButton>

#include "app/chord_list/chord_list_window.h"
#include "app/chord_list/chord_rows_view.h"
#include "tests/support/chord_list_fixture.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::testing {
namespace {

TEST_F(ChordListWindowTest, KeysEditTheChosenRowsAndUndoTakesEachBack) {
    struct Case {
        std::vector<int> chosen;
        QKeyCombination keys;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {{0}, Qt::ALT | Qt::Key_Down, {"Dm7", "C", "G7", "F"}},
        {{2, 3}, Qt::ALT | Qt::Key_Up, {"Dm7", "G7", "F", "C"}},
        {{1, 3}, QKeyCombination(Qt::Key_Delete), {"Dm7", "F"}},
        {{0}, Qt::CTRL | Qt::Key_D, {"Dm7", "Dm7", "F"}},
        {{}, Qt::CTRL | Qt::Key_Z, {"Dm7", "F"}},
        {{}, Qt::CTRL | Qt::Key_Z, {"Dm7", "G7", "F", "C"}},
        {{}, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, {"Dm7", "F"}},
    };
    OpenWindow({kC, kDm7, kG7, kF});
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.keys).toString().toStdString());
        if (!c.chosen.empty()) {
            Select(c.chosen);
        }
        QTest::keyClick(&Rows(), c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(Names(), c.after);
    }
    // Moved rows stay chosen, so they can go on moving.
    Select({0});
    QTest::keyClick(&Rows(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Names(), (std::vector<std::string>{"F", "Dm7"}));
    EXPECT_EQ(Rows().SelectedRows(), std::vector<std::size_t>{1});
}

TEST_F(ChordListWindowTest, TheKeyBarShowsTheKeyChoosesItAndTransposes) {
    OpenWindow({kDm7, kG7, kC});
    auto* tonic = window->findChild<QComboBox*>("KeyTonic");
    EXPECT_EQ(tonic->currentText(), "D") << "the first chord's root";
    tonic->setCurrentIndex(0);
    Q_EMIT tonic->activated(0);
    EXPECT_EQ(Row(0), "Dm7:   D - F - A - C   (ii7)");

    // Every row chosen moves the whole list and its key; the key bar follows.
    Rows().selectAll();
    QTest::keyClick(&Rows(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C#m7", "F#7", "B"}));
    EXPECT_EQ(tonic->currentText(), "B");
    // One row alone keeps the key.
    Select({2});
    QTest::keyClick(&Rows(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C#m7", "F#7", "C"}));
    EXPECT_EQ(tonic->currentText(), "B");

    auto* to = window->findChild<QToolButton*>("TransposeToButton");
    Q_EMIT to->menu()->aboutToShow();
    to->menu()->actions().at(2)->trigger();  // D major
    EXPECT_EQ(Names(), (std::vector<std::string>{"Em7", "A7", "D#"})) << "spelled in D major";
    EXPECT_EQ(tonic->currentText(), "D");
}

TEST_F(ChordListWindowTest, ClicksAndArrowKeysChooseRowsButAChangedListDoesNot) {
    OpenWindow({kC, kDm7, kG7});
    midi.Clear();
    QTest::mouseClick(Rows().viewport(), Qt::LeftButton, {}, Centre(1));
    EXPECT_EQ(form->ChordLineLabel->text, "Chord Dm7:   D - F - A - C");
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{50, 53, 57, 60}));
    QTest::keyClick(&Rows(), Qt::Key_Down);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord G7:   G - B - D - F");
    QTest::keyClick(&Rows(), Qt::Key_Up);
    QTest::keyClick(&Rows(), Qt::Key_Up);
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
    EXPECT_EQ(midi.NotesOn().size(), 15u) << "four chords sounded";

    // Removing the chosen row moves the current row on without sounding anything.
    midi.Clear();
    QTest::keyClick(&Rows(), Qt::Key_Delete);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Dm7", "G7"}));
    EXPECT_TRUE(midi.NotesOn().empty());
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");

    // Space in the list plays it and stops it.
    QTest::keyClick(&Rows(), Qt::Key_Space);
    EXPECT_TRUE(list->Playing());
    EXPECT_EQ(window->findChild<QToolButton*>("PlayButton")->text(), "Stop");
    QTest::keyClick(&Rows(), Qt::Key_Space);
    EXPECT_FALSE(list->Playing());
}

TEST_F(ChordListWindowTest, DroppedRowsMoveAsOneChange) {
    OpenWindow({kC, kDm7, kG7, kF});
    std::unique_ptr<QMimeData> mime(
        list->Model().mimeData({list->Model().index(0), list->Model().index(1)}));
    // Onto the lower half of the last row: after it.
    const QPoint below =
        Centre(3) + QPoint(0, Rows().visualRect(list->Model().index(3)).height() / 4);
    EXPECT_TRUE(Rows().DropRows(*mime, below));
    EXPECT_EQ(Names(), (std::vector<std::string>{"G7", "F", "C", "Dm7"}));
    QTest::keyClick(&Rows(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "Dm7", "G7", "F"}));
}

TEST_F(ChordListWindowTest, AScreenReaderReadsTheRowsAsANamedList) {
    OpenWindow({kC, kDm7, Chord(8, ChordType::Seventh, Spelling::Flat, Inversion::FirstInversion)});
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(&Rows());
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->role(), QAccessible::List);
    EXPECT_EQ(rows->text(QAccessible::Name), "Remembered chords");
    ASSERT_EQ(rows->childCount(), 3);
    EXPECT_EQ(rows->child(0)->text(QAccessible::Name), "C:   C - E - G   (I)");
    EXPECT_EQ(rows->child(1)->text(QAccessible::Name), "Dm7:   D - F - A - C   (ii7)");
    EXPECT_EQ(rows->child(2)->text(QAccessible::Name), "G7, 1st reversal:   G - B - D - F   (V7)");
}

TEST_F(ChordListWindowTest, AResizableWindowOfItsOwnAboveAndBesideTheMainWindow) {
    OpenWindow({kC});
    EXPECT_EQ(window->windowTitle(), "Chord List");
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->parentWidget(), view.get()) << "kept above the main window";
    EXPECT_NE(window->minimumSize(), window->maximumSize());
    const QRect beside = window->frameGeometry();

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
    form->window.Click(*form->ChordListButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frameGeometry().top(), beside.top() + 40);
    Click(form->FrenchButton);
    EXPECT_EQ(window->windowTitle(), "Liste d'accords");

    list->Undo();  // the list the language change started afresh
    list->Play();
    ASSERT_TRUE(list->Playing());
    window->close();
    EXPECT_FALSE(list->Playing()) << "closed, it stops";
}

}  // namespace
}  // namespace vorlane::testing
