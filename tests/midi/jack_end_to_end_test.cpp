#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <thread>

#include <QApplication>

#include "app/main_window.h"
#include "app/window_midi.h"
#include "midi/rtmidi/midi_connection.h"
#include "settings/settings_rules.h"
#include "tests/midi/jack_window.h"
#include "tests/midi/private_jack_test.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_midi_out.h"
#include "ui/qt/qt_event_loop.h"

namespace vorlane::testing {
namespace {

using namespace std::chrono_literals;

// A private JACK server on the dummy backend, and keyboards playing into it.
class JackEndToEnd : public PrivateJackTest {
  protected:
    std::unique_ptr<Child> Keyboard(const std::string& name) { return server->StandIn(name); }
    std::unique_ptr<Child> Instrument(const std::string& name) {
        return server->StandIn(name, "instrument");
    }
};

TEST_F(JackEndToEnd, ListenConnectsKeyboardsByItselfAndPrintsEachChord) {
    auto early = Keyboard("early-keys");
    ASSERT_TRUE(early);
    Child listen({VORLANE_CLI_PATH, "listen"});
    early->Say("wait-connected 3000");
    EXPECT_EQ(early->ReadLine(4s), "connected");  // present at start

    for (const char* line :
         {"on 52 100", "sleep 20", "on 55 90", "on 60 80", "sleep 200", "off 52 0", "off 55 0",
          "off 60 0", "sleep 200", "on 50 90", "on 53 90", "on 57 90", "sleep 200", "on 60 90"}) {
        early->Say(line);
    }
    EXPECT_EQ(listen.ReadLine(3s), "Chord C:   C - E - G");
    EXPECT_EQ(listen.ReadLine(3s), "Chord Dm:   D - F - A");
    EXPECT_EQ(listen.ReadLine(3s), "Chord Dm7:   D - F - A - C");
    for (const char* line :
         {"off 50 0", "off 53 0", "off 57 0", "off 60 0", "on 60 90", "on 61 90", "on 62 90"}) {
        early->Say(line);
    }
    EXPECT_EQ(listen.ReadLine(500ms), std::nullopt);  // a cluster names nothing
    for (const char* line : {"off 60 0", "off 61 0", "off 62 0"}) {
        early->Say(line);
    }

    auto late = Keyboard("late-keys");  // plugged in while listening
    ASSERT_TRUE(late);
    late->Say("wait-connected 2000");
    EXPECT_EQ(late->ReadLine(3s), "connected");
    for (const char* line : {"on 57 90", "on 61 90", "on 64 90"}) {
        late->Say(line);
    }
    const auto named = listen.ReadLine(3s);
    EXPECT_EQ(named, "Chord A:   A - Db - E");
    EXPECT_EQ(listen.Stop(SIGTERM), 0);
}

// The menu's view of the sources: every one listed, checked while connected to our input, and
// a source unticked by hand stays off although the input connects keyboards by itself.
TEST_F(JackEndToEnd, SourcesListAndToggleConnectionsToTheInput) {
    auto keyboard = Keyboard("menu-keys");
    ASSERT_TRUE(keyboard);
    MidiConnection connection;
    MidiSources* sources = &connection;
    const std::string source = "menu-keys:keys";
    EXPECT_FALSE(sources->IsConnected(source));  // no system yet
    EXPECT_TRUE(sources->Sources().empty());
    ASSERT_TRUE(connection.StartNow());
    EXPECT_EQ(sources->System(), MidiSystemKind::Jack);
    EXPECT_EQ(connection.InputPort(), "Vorlane:MIDI in");  // one client, in and out
    keyboard->Say("wait-connected 3000");
    ASSERT_EQ(keyboard->ReadLine(4s), "connected");
    const std::vector<std::string> listed = sources->Sources();
    EXPECT_NE(std::find(listed.begin(), listed.end(), source), listed.end());
    // The server tells other clients of a connection change a moment later.
    auto settles = [&](bool connected) {
        for (int i = 0; i < 100 && sources->IsConnected(source) != connected; ++i) {
            std::this_thread::sleep_for(20ms);
        }
        return sources->IsConnected(source);
    };
    EXPECT_TRUE(settles(true));

    sources->SetConnected(source, false);
    EXPECT_FALSE(settles(false));
    std::this_thread::sleep_for(1200ms);  // longer than the input's watch for new keyboards
    EXPECT_FALSE(sources->IsConnected(source));
    sources->SetConnected(source, true);
    EXPECT_TRUE(settles(true));
}

// The window on Qt's event loop with the real MIDI input: its markers follow the keyboard.
TEST_F(JackEndToEnd, WindowMarkersFollowTheKeyboard) {
    auto keyboard = Keyboard("window-keys");
    ASSERT_TRUE(keyboard);
    WindowServices w;
    auto& loop = w.loop;
    RecordingMidiOut synth;
    WindowMidi midi(synth);
    auto form = BuildMainWindow({midi.Output(), loop, w.dialogs, w.settings, w.files, kMemoryHome,
                                 &midi.Output(), midi.Sources()});
    form->window.Show();
    midi.Start(*form);
    keyboard->Say("wait-connected 3000");
    ASSERT_EQ(keyboard->ReadLine(4s), "connected");

    auto markedKeys = [&form] {
        std::vector<KeyNumber> keys;
        for (const ui::Control* m : form->KeyMarkers) {
            if (m->visible) {
                keys.push_back(form->MarkerKey(*m).value_or(0));
            }
        }
        return keys;
    };
    auto waitForKeys = [&](const std::vector<KeyNumber>& expected) {
        const auto end = std::chrono::steady_clock::now() + 3s;
        while (markedKeys() != expected && std::chrono::steady_clock::now() < end) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return markedKeys();
    };
    for (const char* line : {"on 52 100", "on 55 100", "on 60 100"}) {
        keyboard->Say(line);
    }
    EXPECT_EQ(waitForKeys({13, 5, 8}), (std::vector<KeyNumber>{13, 5, 8}));  // C, first inversion
    for (const char* line :
         {"off 52 0", "off 55 0", "off 60 0", "on 50 90", "on 53 90", "on 57 90", "on 60 90"}) {
        keyboard->Say(line);
    }
    EXPECT_EQ(waitForKeys({3, 6, 10, 13}), (std::vector<KeyNumber>{3, 6, 10, 13}));  // Dm7
}

// Sound chosen for an instrument reaches it with the window's timing, the built-in synth stays
// silent, and the next window opens on the same choice.
TEST_F(JackEndToEnd, SoundGoesToTheChosenInstrumentAndTheChoiceOutlivesTheWindow) {
    auto instrument = Instrument("stage-piano");
    ASSERT_TRUE(instrument);
    WindowServices w;
    auto& settings = w.settings;
    RecordingMidiOut synth;
    settings.Set(OutputValueName, "stage-piano:in");

    // The next count messages of the kinds whose status bytes are in kinds, "STATUS DATA..."
    // after the time since the first one, rounded to 100 ms; the others are passed over.
    auto received = [&instrument](std::size_t count, const std::string& kinds) {
        std::vector<std::string> lines;
        std::optional<long> first;
        const auto end = std::chrono::steady_clock::now() + 4s;
        while (lines.size() < count && std::chrono::steady_clock::now() < end) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            if (auto line = instrument->ReadLine(5ms)) {
                std::istringstream words(*line);
                long ms = 0;
                std::string bytes;
                words >> ms >> std::ws;
                std::getline(words, bytes);
                if (kinds.find(bytes.substr(0, 2)) != std::string::npos) {
                    first = first.value_or(ms);
                    lines.push_back(std::to_string((ms - *first + 50) / 100 * 100) + ": " + bytes);
                }
            }
        }
        return lines;
    };
    auto drain = [&instrument] {
        for (int quiet = 0; quiet < 50;) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            quiet = instrument->ReadLine(5ms) ? 0 : quiet + 1;
        }
    };
    using Lines = std::vector<std::string>;
    for (int window = 0; window < 2; ++window) {
        MidiConnection port;
        ASSERT_TRUE(port.StartNow());
        RoutedMidiOut routed(synth, &port);
        auto form =
            BuildMainWindow({routed, w.loop, w.dialogs, settings, w.files, kMemoryHome, &routed});
        form->window.Show();
        drain();  // the chord on show at start
        if (window == 1) {
            form->window.Click(*form->HammondButton);  // the piano was remembered too
            drain();
        }
        form->window.Click(*form->FlatRootButtons[2]);  // D major
        EXPECT_EQ(received(4, "C0 90"),
                  (Lines{"0: C0 10", "0: 90 32 7F", "0: 90 36 7F", "0: 90 39 7F"}))
            << "window " << window;
        if (window == 0) {
            drain();
            form->window.Click(*form->PianoArpeggioButton);
            // A change of sound may repeat its program change: one counts.
            Lines piano = received(5, "C0 90");
            piano.erase(std::unique(piano.begin(), piano.end()), piano.end());
            EXPECT_EQ(piano, (Lines{"0: C0 0", "0: 90 32 7F", "400: 90 36 7F", "800: 90 39 7F"}));
            EXPECT_EQ(received(3, "80"), (Lines{"0: 80 32 0", "0: 80 36 0", "0: 80 39 0"}));
        }
    }
    EXPECT_EQ(settings.Values().at(std::string{OutputValueName}), "stage-piano:in");
    for (const RecordingMidiOut::Event& event : synth.Events()) {
        EXPECT_FALSE(event.IsNoteOn()) << "the built-in synth sounded";
    }
}

}  // namespace
}  // namespace vorlane::testing
