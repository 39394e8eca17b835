// Program entry: the main window with the real backends, on Qt's event loop.

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/chord_list/chord_list_controller.h"
#include "app/chord_list/chord_list_window.h"
#include "app/main_window.h"
#include "app/window_midi.h"
#include "midi/fluidsynth/fluidsynth_midi_out.h"
#include "practice/qt/qt_record_files.h"
#include "settings/chord_folders.h"
#include "settings/qt/qsettings_store.h"
#include "settings/qt/qt_chord_file_system.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/first_paint.h"
#include "ui/qt/practice_launcher.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace {

constexpr int kLatestSynthLoadMs = 2000;

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs(
            "vorlane: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is "
            "set); start it from a desktop session or under xvfb-run.\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane"));
    QApplication::setOrganizationName(QStringLiteral("Vorlane"));
    QApplication::setDesktopFileName(
        QString::fromUtf8(vorlane::ui::qt::kAppId.data(), vorlane::ui::qt::kAppId.size()));
    QApplication::setWindowIcon(vorlane::ui::qt::AppIcon());

    vorlane::ui::qt::QtEventLoop eventLoop;
    vorlane::FluidSynthOptions synthOptions;
    synthOptions.deferLoad = true;
    vorlane::FluidSynthMidiOut synth{synthOptions};
    vorlane::WindowMidi windowMidi(synth);
    vorlane::RoutedMidiOut& midi = windowMidi.Output();
    vorlane::ui::qt::QtDialogs dialogs;
    vorlane::QSettingsStore settings;
    vorlane::QtChordFileSystem files;

    auto form = vorlane::BuildMainWindow({midi, eventLoop, dialogs, settings, files,
                                          vorlane::HomeFolder(), &midi, windowMidi.Sources()});
    // The chord list's history starts with the window, before the list is first started.
    vorlane::ui::qt::QtDialogs listDialogs;  // over the list window, once it is made
    vorlane::ChordListController chordList(
        *form, {midi, eventLoop, listDialogs, files, vorlane::HomeFolder(), settings});
    vorlane::QtRecordFiles recordFiles;
    vorlane::ui::qt::PracticeLauncher practice(
        *form, {midi, eventLoop, settings, recordFiles, vorlane::PracticeRecordPath(), {}});
    vorlane::ui::qt::QtWindowView view(form->window);
    eventLoop.SetView(&view);
    dialogs.SetParentWidget(&view);
    vorlane::ui::qt::ReportFirstPaintIfAsked(view);
    vorlane::AttachChordListWindow(
        chordList, view, [&view] { view.Push(); },
        [&listDialogs](QWidget& window) { listDialogs.SetParentWidget(&window); });
    // The synth loads once the window is on screen; a chord clicked before waits for it. The
    // MIDI system is looked for then too, off the GUI thread.
    vorlane::ui::qt::AfterFirstPaint(view, [&synth] { synth.AllowLoad(); });
    vorlane::ui::qt::AfterFirstPaint(view, [&windowMidi, &form] { windowMidi.Start(*form); });
    QTimer::singleShot(kLatestSynthLoadMs, [&synth] { synth.AllowLoad(); });  // never painted
    view.show();
    // The chords' instrument is read with the SoundFont, before the first chord asks for it.
    if (const auto program = vorlane::GeneralMidiProgram(form->player.Mode())) {
        synth.Send(vorlane::ProgramChangeMessage(vorlane::kChordChannel, *program));
    }
    return QApplication::exec();
}
