#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "tests/app/main_window_fixture.h"
#include "tests/support/recording_midi_out_port.h"
#include "ui/qt/qt_event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::testing {
namespace {

// Right clicks on the real window on Qt, with a pretend MIDI system behind it.
class SoundMenuGuiTest : public ::testing::Test {
  protected:
    ui::qt::QtEventLoop loop;
    RecordingMidiOut midi;
    RecordingMidiOutPort port;
    RoutedMidiOut routed{midi, &port};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MemoryChordFileSystem files;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ui::qt::QtWindowView> view;

    void SetUp() override {
        port.present = {"Stage Piano:in"};
        settings.Set("Taal", "Frans");
        form = BuildMainWindow({routed, loop, dialogs, settings, files, kMemoryHome, &routed});
        view = std::make_unique<ui::qt::QtWindowView>(form->window);
        view->SetQuitOnClose(false);
        loop.SetView(view.get());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        view.reset();
        form.reset();
    }
    // Right-clicks the widget at a point and returns the menu that opened, if any.
    QMenu* RightClick(QWidget* widget, QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    QPoint Bare(QWidget* widget) const {
        for (int y = 2; y < widget->height(); y += 3) {
            for (int x = 2; x < widget->width(); x += 3) {
                if (widget->childAt(x, y) == nullptr) {
                    return {x, y};
                }
            }
        }
        return {};
    }
};

TEST_F(SoundMenuGuiTest, RightClickOnTheWindowOrTheSoundGroupOpensTheSoundMenu) {
    EXPECT_EQ(RightClick(view->WidgetFor(*form->SaveButton), {5, 5}), nullptr);

    QWidget* group = view->WidgetFor(*form->SoundGroup);
    QMenu* menu = RightClick(group, Bare(group));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Sortie du son"));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Entrée MIDI"));
    EXPECT_FALSE(menu->actions()[1]->isEnabled());
    // Why there is nothing to listen to.
    EXPECT_EQ(menu->actions()[2]->text(),
              QStringLiteral("Système MIDI : aucun : pas de système MIDI trouvé"));
    EXPECT_FALSE(menu->actions()[2]->isEnabled());
    menu->close();

    menu = RightClick(view.get(), Bare(view.get()));
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> outputs = menu->actions()[0]->menu()->actions();
    ASSERT_EQ(outputs.size(), 2);
    EXPECT_EQ(outputs[0]->text(), QStringLiteral("Synthé intégré"));
    EXPECT_TRUE(outputs[0]->isChecked());
    EXPECT_EQ(outputs[1]->text(), QStringLiteral("Stage Piano:in"));
    EXPECT_FALSE(outputs[1]->isChecked());
    outputs[1]->trigger();
    EXPECT_EQ(port.Connected(), "Stage Piano:in");
    EXPECT_EQ(settings.Values().at("MidiUit"), "Stage Piano:in");
}

// Shift+F10 opens the context menu of the control with the focus, as the Menu key does.
TEST_F(SoundMenuGuiTest, ShiftF10OpensTheMenuOfTheControlWithTheFocus) {
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    struct Case {
        const char* name;
        ui::Control* focus;
        bool menu;  // the sound menu opens
    };
    for (const Case& c : {Case{"a sound button", form->HammondButton, true},
                          Case{"the octave box", form->OctaveHigherCheck, true},
                          Case{"a root button: it has no menu", form->FlatRootButtons[0], false}}) {
        SCOPED_TRACE(c.name);
        view->WidgetFor(*c.focus)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_EQ(menu != nullptr, c.menu);
        if (menu != nullptr) {
            EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Sortie du son"));
            menu->close();
        }
    }
}

}  // namespace
}  // namespace vorlane::testing
