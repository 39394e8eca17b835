#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <thread>

#include "midi/live_sound.h"
#include "midi/rtmidi/midi_connection.h"
#include "tests/midi/jack_window.h"
#include "tests/midi/private_jack_test.h"

namespace vorlane::testing {
namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t kLive = LiveSound::kLiveChannel;

// The window on a private JACK server as players' rigs treat it.
class JackWindowRig : public PrivateJackTest {
  public:
    static std::vector<std::string> Listed(const ui::MenuItem& menu) {
        std::vector<std::string> names;
        for (const ui::MenuItem& item : menu.submenu) {
            names.push_back(item.text);
        }
        return names;
    }
    static bool Has(const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    }
};

// However the keyboard goes away while it holds C E G, the notes it started end.
TEST_F(JackWindowRig, TheNotesOfAKeyboardThatGoesAwayEnd) {
    struct Loss {
        const char* name;
        std::function<void(JackWindowRig&, RigWindow&, Child& keyboard)> happen;
    };
    const std::vector<Loss> losses = {
        {"it is unplugged",
         [](JackWindowRig&, RigWindow&, Child& keyboard) { keyboard.Stop(SIGTERM); }},
        {"it is unticked in the menu",
         [](JackWindowRig&, RigWindow& window, Child&) {
             window.midi.Sources()->SetConnected("loss-keys:keys", false);
         }},
        {"the server is killed",
         [](JackWindowRig& rig, RigWindow&, Child&) { rig.server->Stop(SIGKILL); }},
    };
    for (const Loss& loss : losses) {
        SCOPED_TRACE(loss.name);
        if (!server->Started()) {
            server->Start();
        }
        RigWindow window;
        auto keyboard = ConnectedKeyboard("loss-keys");
        ASSERT_TRUE(keyboard);
        for (const char* line : {"on 48 100", "on 52 100", "on 55 100"}) {
            keyboard->Say(line);
        }
        ASSERT_TRUE(
            RigWindow::Within(2s, [&] { return window.SynthGot(NoteOnMessage(kLive, 55, 100)); }));
        loss.happen(*this, window, *keyboard);
        EXPECT_TRUE(RigWindow::Within(2s, [&] {
            return window.SynthGot(NoteOffMessage(kLive, 48)) &&
                   window.SynthGot(NoteOffMessage(kLive, 52)) &&
                   window.SynthGot(NoteOffMessage(kLive, 55));
        }));
    }
}

// Unplugged, the chosen instrument loses no note: the first chord after it went sounds on the
// built-in synth, without waiting for the window's look for the instrument.
TEST_F(JackWindowRig, TheChosenInstrumentUnpluggedLosesNoNote) {
    auto instrument = server->StandIn("gone-piano", "instrument");
    ASSERT_TRUE(instrument);
    RigWindow window("gone-piano:in");
    ASSERT_TRUE(RigWindow::Within(3s, [&] { return window.midi.Output().SendsToDestination(); }));
    window.form->window.Click(*window.form->FlatRootButtons[2]);  // D major, to the instrument
    EXPECT_TRUE(instrument->ReadLine(2s).has_value());
    EXPECT_FALSE(window.SynthGot(NoteOnMessage(kChordChannel, 50, kFullVelocity)));

    instrument->Stop(SIGTERM);
    // The server drops the port at once; the window's look comes only once a second.
    auto& destinations = *window.midi.Connection();
    for (int i = 0; i < 100 && Has(destinations.Destinations(), "gone-piano:in"); ++i) {
        std::this_thread::sleep_for(5ms);
    }
    window.form->window.Click(*window.form->FlatRootButtons[4]);  // E major
    for (int note : {52, 56, 59}) {
        EXPECT_TRUE(window.SynthGot(NoteOnMessage(kChordChannel, std::uint8_t(note), 127))) << note;
    }
}

// The server killed and started again under a running window: within 2 s the keyboard plays
// into it again, the chosen instrument sounds again, and the menus list the new server's ports.
TEST_F(JackWindowRig, AfterTheServerRestartsEverythingIsBackWithinTwoSeconds) {
    auto instrument = server->StandIn("stage-piano", "instrument");
    ASSERT_TRUE(instrument);
    RigWindow window("stage-piano:in");
    auto keyboard = ConnectedKeyboard("first-keys");
    ASSERT_TRUE(keyboard);
    keyboard.reset();
    instrument.reset();
    server->Stop(SIGKILL);
    server->Start();
    keyboard = server->StandIn("second-keys");
    instrument = server->StandIn("stage-piano", "instrument");
    ASSERT_TRUE(keyboard && instrument);
    const auto back = std::chrono::steady_clock::now();
    keyboard->Say("wait-connected 2000");
    EXPECT_EQ(keyboard->ReadLine(3s), "connected");
    EXPECT_TRUE(RigWindow::Within(2s, [&] { return window.midi.Output().SendsToDestination(); }));
    EXPECT_LT(std::chrono::steady_clock::now() - back, 2500ms);

    const std::vector<ui::MenuItem> menu = window.form->SoundMenu();
    EXPECT_TRUE(Has(Listed(menu[0]), "stage-piano:in"));
    EXPECT_TRUE(Has(Listed(menu[1]), "second-keys:keys"));
    EXPECT_FALSE(Has(Listed(menu[1]), "first-keys:keys"));

    for (const char* line : {"on 50 100", "on 54 100", "on 57 100"}) {
        keyboard->Say(line);
    }
    RigWindow::Within(2s,
                      [&] { return window.form->ChordLineLabel->text == "Chord D:   D - Gb - A"; });
    EXPECT_EQ(window.form->ChordLineLabel->text, "Chord D:   D - Gb - A");
    window.form->window.Click(*window.form->FlatRootButtons[4]);  // E major
    std::vector<std::string> heard;
    while (auto line = instrument->ReadLine(1s)) {
        heard.push_back(line->substr(line->find(' ') + 1));
    }
    EXPECT_TRUE(Has(heard, "90 34 7F")) << "the instrument did not get E major";
}

// An instrument that sends back what it receives, its output taken as a hardware keyboard:
// Vorlane stops sending it the player's notes instead of circling them, and says so.
TEST_F(JackWindowRig, AnEchoingInstrumentDoesNotMakeALoop) {
    auto echo = server->StandIn("thru-synth", "echo");
    ASSERT_TRUE(echo);
    RigWindow window("thru-synth:in");
    ASSERT_TRUE(RigWindow::Within(3s, [&] { return window.midi.Output().SendsToDestination(); }));
    auto keyboard = ConnectedKeyboard("loop-keys");
    ASSERT_TRUE(keyboard);
    ASSERT_TRUE(RigWindow::Within(
        3s, [&] { return window.midi.Connection()->IsConnected("thru-synth:out"); }));
    // What the instrument received so far: it tells its count every 100 ms.
    auto count = [&echo] {
        long last = 0;
        const auto end = std::chrono::steady_clock::now() + 300ms;
        while (std::chrono::steady_clock::now() < end) {
            if (auto line = echo->ReadLine(150ms)) {
                last = std::stol(*line);
            }
        }
        return last;
    };
    const long before = count();
    for (int i = 0; i < 5; ++i) {
        keyboard->Say("on " + std::to_string(60 + i) + " 100");
        keyboard->Say("sleep 50");
        keyboard->Say("off " + std::to_string(60 + i) + " 0");
    }
    RigWindow::Within(1500ms, [] { return false; });
    // Five notes and their ends, and a few echoes before the loop was seen: not thousands.
    EXPECT_LT(count() - before, 40);
    EXPECT_TRUE(window.midi.Output().CurrentStatus().echoing);
    // The player's notes are heard on the built-in synth from now on.
    keyboard->Say("on 72 100");
    EXPECT_TRUE(
        RigWindow::Within(2s, [&] { return window.SynthGot(NoteOnMessage(kLive, 72, 100)); }));
}

}  // namespace
}  // namespace vorlane::testing
