#pragma once

// The program's windows for the chord list benchmarks: the real main window and its view, the
// list's controller and window, on Qt's event loop, with a recording MIDI output on a clock in
// microseconds, settings and the main window's files in memory, and dialogs that answer at once.

#include <QApplication>
#include <QTest>
#include <chrono>
#include <deque>
#include <memory>
#include <string>

#include "app/chord_list/chord_list_controller.h"
#include "app/chord_list/chord_list_window.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_midi_out.h"
#include "ui/qt/qt_event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::bench {

inline std::int64_t NowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Every dialog answered with the next path, without showing anything.
class AnsweringDialogs final : public ui::Dialogs {
  public:
    std::deque<std::string> answers;
    int errors = 0;
    bool RunSaveDialog(ui::SaveDialog& dialog) override { return Answer(dialog.fileName); }
    bool RunOpenDialog(ui::OpenDialog& dialog) override { return Answer(dialog.fileName); }
    void ShowError(std::string_view, std::string_view) override { ++errors; }
    void ShowAbout(const ui::AboutInfo&) override {}

  private:
    bool Answer(std::string& fileName) {
        if (answers.empty()) {
            return false;
        }
        fileName = answers.front();
        answers.pop_front();
        return true;
    }
};

struct BenchApp {
    // The list opens and exports through listFiles; without them, the memory files.
    explicit BenchApp(ChordFileSystem* listFiles = nullptr) {
        settings.Set("Taal", "Engels");
        settings.Set("Midi", "Hammond");
        files.AddDirectory(kMemoryHome);
        form = BuildMainWindow({midi, loop, dialogs, settings, files, kMemoryHome});
        list = std::make_unique<ChordListController>(
            *form, ChordListServices{midi, loop, dialogs, listFiles != nullptr ? *listFiles : files,
                                     kMemoryHome, settings});
        view = std::make_unique<ui::qt::QtWindowView>(form->window);
        view->SetQuitOnClose(false);
        loop.SetView(view.get());
        AttachChordListWindow(*list, *view, [this] { view->Push(); });
        view->show();
        (void)QTest::qWaitForWindowExposed(view.get());
        form->window.PressShortcut("Ctrl+L");
        window = view->findChild<ChordListWindow*>();
        (void)QTest::qWaitForWindowExposed(window);
    }
    ~BenchApp() { view.reset(); }

    ui::qt::QtEventLoop loop;
    RecordingMidiOut midi{NowUs};
    AnsweringDialogs dialogs;
    MemorySettingsStore settings;
    MemoryChordFileSystem files;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ChordListController> list;
    std::unique_ptr<ui::qt::QtWindowView> view;
    ChordListWindow* window = nullptr;
};

}  // namespace vorlane::bench
