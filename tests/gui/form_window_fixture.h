#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include "tests/app/main_window_fixture.h"
#include "ui/qt/qt_event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::testing {

// The real main window on Qt, clicked with the mouse; sound recorded, dialogs scripted.
class FormWindowTest : public ::testing::Test {
  protected:
    ui::qt::QtEventLoop loop;
    RecordingMidiOut midi{[this] { return loop.NowMs(); }};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MemoryChordFileSystem files;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ui::qt::QtWindowView> view;

    void Open(std::string_view language, std::string_view sound) {
        settings.Set("Taal", language);
        settings.Set("Midi", sound);
        files.AddDirectory(kHome);
        form = BuildMainWindow({midi, loop, dialogs, settings, files, kHome});
        view = std::make_unique<ui::qt::QtWindowView>(form->window);
        view->SetQuitOnClose(false);
        loop.SetView(view.get());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    QWidget* W(const ui::Control* c) const { return view->WidgetFor(*c); }
    QString Text(const ui::Control* c) const {
        if (auto* label = qobject_cast<QLabel*>(W(c))) {
            return label->text();
        }
        return qobject_cast<QAbstractButton*>(W(c))->text();
    }
    void ClickOn(const ui::Control* c) {
        QWidget* w = W(c);
        QTest::mouseClick(w, Qt::LeftButton, {},
                          QPoint(std::min(w->width() / 2, 20), w->height() / 2));
    }
};

}  // namespace vorlane::testing
