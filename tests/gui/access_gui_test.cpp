#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "tests/gui/form_window_fixture.h"
#include "tests/gui/qt_printers.h"

namespace vorlane::testing {
namespace {

// The window as a screen reader sees it, through Qt's accessibility interfaces.
class AccessTest : public FormWindowTest {
  protected:
    void OpenActive(std::string_view language, std::string_view sound) {
        Open(language, sound);
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    std::vector<QAccessibleInterface*> All(QAccessible::Role role) const {
        std::vector<QAccessibleInterface*> found;
        std::vector<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(view.get())};
        while (!todo.empty()) {
            QAccessibleInterface* at = todo.back();
            todo.pop_back();
            if (at->role() == role && !at->state().invisible) {
                found.push_back(at);
            }
            for (int i = 0; i < at->childCount(); ++i) {
                todo.push_back(at->child(i));
            }
        }
        return found;
    }
    QAccessibleInterface* Keyboard() const {
        return QAccessible::queryAccessibleInterface(W(form->KeyboardPicture));
    }
    QStringList SelectedKeys() const {
        QStringList keys;
        for (int i = 0; i < Keyboard()->childCount(); ++i) {
            if (Keyboard()->child(i)->state().selected) {
                keys << Keyboard()->child(i)->text(QAccessible::Name);
            }
        }
        return keys;
    }
    QString Focused() const { return QApplication::focusWidget()->objectName(); }
    static QString Name(const QWidget* w) { return w->objectName(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

TEST_F(AccessTest, RadioSetsBoxesKeysAndPicturesHaveTheirRolesNamesAndStates) {
    OpenActive("Engels", "GeenMidi");
    const auto radios = All(QAccessible::RadioButton);
    EXPECT_EQ(radios.size(), 55u);
    QStringList checked;
    for (QAccessibleInterface* r : radios) {
        if (r->state().checked) {
            checked << r->text(QAccessible::Name);
        }
    }
    checked.sort();
    EXPECT_EQ(checked, (QStringList{"C", "C", "English", "No Sound"}));
    EXPECT_EQ(All(QAccessible::CheckBox).size(), 2u);
    EXPECT_EQ(All(QAccessible::ComboBox).size(), 1u);
    for (auto role : {QAccessible::StaticText, QAccessible::Graphic}) {
        for (QAccessibleInterface* i : All(role)) {
            EXPECT_FALSE(i->text(QAccessible::Name).isEmpty()) << "role " << role;
        }
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(W(form->LogoPicture))->text(QAccessible::Name),
              "Vorlane");
    ASSERT_EQ(Keyboard()->role(), QAccessible::List);
    EXPECT_EQ(Keyboard()->text(QAccessible::Name), "Keyboard");
    ASSERT_EQ(Keyboard()->childCount(), 36);
    EXPECT_EQ(Keyboard()->child(1)->text(QAccessible::Name), "Db3");
    EXPECT_EQ(Keyboard()->child(35)->text(QAccessible::Name), "B5");
    EXPECT_EQ(SelectedKeys(), (QStringList{"C3", "E3", "G3"}));

    // A reader's press on a radio button is a click.
    QAccessibleInterface* fSharp =
        QAccessible::queryAccessibleInterface(W(form->SharpRootButtons[6]));
    fSharp->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessible::queryAccessibleInterface(W(form->VariationButtons[5]))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(fSharp->state().checked);
    EXPECT_EQ(Text(form->ChordLineLabel), "Chord F#m7:   F# - A - C# - E");
    EXPECT_EQ(SelectedKeys(), (QStringList{"F#3", "A3", "C#4", "E4"}));
    EXPECT_EQ(Keyboard()->child(1)->text(QAccessible::Name), "C#3");

    ClickOn(form->FrenchButton);
    EXPECT_EQ(Keyboard()->text(QAccessible::Name), "Clavier");
    ClickOn(form->DutchButton);
    EXPECT_EQ(Keyboard()->text(QAccessible::Name), "Klavier");
}

TEST_F(AccessTest, TabFollowsTheWindowTopToBottomAndArrowsChooseAsClicks) {
    for (auto [language, sound] : {std::pair{"Frans", "Hammond"}, std::pair{"Engels", "Piano"}}) {
        SCOPED_TRACE(language);
        OpenActive(language, sound);
        W(form->OctaveHigherCheck)->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Tab);
        QStringList order;
        for (int i = 0; i < 12; ++i) {
            QWidget* focus = QApplication::focusWidget();
            order << focus->objectName();
            const QImage framed = focus->grab().toImage();
            Key(Qt::Key_Tab);
            EXPECT_NE(focus->grab().toImage(), framed)
                << "no focus frame on " << Name(focus).toStdString();
        }
        QStringList expected{"FlatRootButtonC",
                             "VariationButton0",
                             "InversionSelector",
                             "NotesOnPianoCheck",
                             Name(W(form->LanguageButton(form->state.language))),
                             "InfoButton",
                             "PracticeButton",
                             "ChordListButton",
                             "RememberButton",
                             Name(W(form->SoundModeButton(form->player.Mode()))),
                             "OctaveHigherCheck",
                             "FlatRootButtonC"};
        if (!form->InversionSelector->visible) {  // arpeggios play in root position only
            expected.removeAll(QStringLiteral("InversionSelector"));
            expected << "VariationButton0";
        }
        EXPECT_EQ(order, expected);
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), order[11]);
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), order[10]);
        view.reset();
        form.reset();
    }

    OpenActive("Engels", "Hammond");
    W(form->FlatRootButtons[0])->setFocus(Qt::TabFocusReason);
    midi.Clear();
    Key(Qt::Key_Down);
    EXPECT_EQ(Focused(), "FlatRootButtonDb");
    EXPECT_EQ(Text(form->ChordLineLabel), "Chord Db:   Db - F - Ab");
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{49, 53, 56}));
    Key(Qt::Key_Right);
    EXPECT_EQ(Focused(), "SharpRootButtonC#");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Right);
    EXPECT_EQ(Focused(), "VariationButton12");
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(W(form->VariationButtons[12]))->isChecked());

    // In an arpeggio the lock takes the focus away; it comes back to the choice afterwards.
    ClickOn(form->PianoArpeggioButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->player.Playing(); }, 5000));
    W(form->FlatRootButtons[0])->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Down);
    EXPECT_TRUE(form->player.Playing());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->player.Playing(); }, 5000));
    EXPECT_EQ(Focused(), "FlatRootButtonDb");
}

// Remember and browse by keyboard: after a chord is remembered (Remember is disabled then), the
// focus still comes back to the root column once the next arpeggio ends.
TEST_F(AccessTest, AfterRememberTheFocusComesBackToTheRootsAfterTheArpeggio) {
    struct Case {
        const char* sound;
        bool byKeyboard;  // Remember pressed with the space bar, else clicked
    };
    for (const Case& c : {Case{"Piano", false}, Case{"Guitar", true}}) {
        SCOPED_TRACE(std::string{c.sound} + (c.byKeyboard ? " by keyboard" : " by mouse"));
        OpenActive("Engels", c.sound);
        if (c.byKeyboard) {
            W(form->RememberButton)->setFocus(Qt::TabFocusReason);
            Key(Qt::Key_Space);
        } else {
            ClickOn(form->RememberButton);
        }
        ASSERT_FALSE(form->RememberButton->enabled);
        W(form->FlatRootButtons[0])->setFocus(Qt::TabFocusReason);
        Key(Qt::Key_Down);
        ASSERT_TRUE(form->player.Playing());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form->player.Playing(); }, 5000));
        QApplication::processEvents();
        EXPECT_EQ(Focused().toStdString(), "FlatRootButtonDb");
        Key(Qt::Key_Down);
        EXPECT_EQ(Text(form->ChordLineLabel).toStdString(), "Chord D:   D - Gb - A");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form->player.Playing(); }, 5000));
        view.reset();
        form.reset();
    }
}

TEST_F(AccessTest, ShortcutsRespectTheirButtonsAndCopyReachesTheClipboard) {
    OpenActive("Frans", "GeenMidi");
    ClickOn(form->SharpRootButtons[6]);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Accord F#:   F# - A# - C#");

    QWidget* scale = W(form->ScaleLineLabel);
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                scale->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(scale, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Copier");
    menu->actions()[0]->trigger();
    menu->close();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), form->ScaleLineLabel->text);

    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.shownSaveDialogs.empty()) << "Save is disabled: nothing remembered";
    Key(Qt::Key_F1);
    EXPECT_EQ(dialogs.abouts.size(), 1u);
    ClickOn(form->RememberButton);
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.shownSaveDialogs.size(), 1u);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }, 1000));
}

}  // namespace
}  // namespace vorlane::testing
