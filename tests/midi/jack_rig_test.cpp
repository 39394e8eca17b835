#include <gtest/gtest.h>

#include <functional>

#include "tests/midi/private_jack_test.h"

namespace vorlane::testing {
namespace {

using namespace std::chrono_literals;

// Real rigs on a private JACK server: keyboards unplugged mid-chord, servers restarted,
// broken messages.
class JackRig : public PrivateJackTest {
  public:
    static void Play(Child& keyboard, std::initializer_list<int> notes) {
        for (int note : notes) {
            keyboard.Say("on " + std::to_string(note) + " 100");
        }
    }
};

// What happens to the input before the next chord; listen is running, the keyboard is
// connected to it, and afterwards the keyboard (perhaps another one) plays D F# A.
struct Accident {
    using Happening = std::function<void(JackRig&, std::unique_ptr<Child>& keyboard, Child&)>;
    const char* name;
    Happening happen;
};

// The server ended by the signal and started again; listen reconnects within 2 s.
Accident::Happening Restarted(int signal) {
    return [signal](JackRig& rig, std::unique_ptr<Child>& keyboard, Child&) {
        keyboard.reset();
        rig.server->Stop(signal);
        rig.server->Start();
        keyboard = rig.server->StandIn("after-restart");
        ASSERT_TRUE(keyboard);
        keyboard->Say("wait-connected 2000");
        EXPECT_EQ(keyboard->ReadLine(3s), "connected");
    };
}

TEST_F(JackRig, ListenNamesTheNextChordWhateverHappenedBefore) {
    const std::vector<Accident> accidents = {
        {"a keyboard unplugged while it holds C E G",
         [](JackRig& rig, std::unique_ptr<Child>& keyboard, Child& listen) {
             Play(*keyboard, {48, 52, 55});
             EXPECT_EQ(listen.ReadLine(3s), "Chord C:   C - E - G");
             keyboard->Stop(SIGTERM);
             keyboard = rig.ConnectedKeyboard("second-keys");
         }},
        {"a system-exclusive message that never ends",
         [](JackRig&, std::unique_ptr<Child>& keyboard, Child&) { keyboard->Say("sysex-open"); }},
        {"the server killed and started again", Restarted(SIGKILL)},
        {"the server stopped and started again", Restarted(SIGTERM)},
    };
    for (const Accident& accident : accidents) {
        SCOPED_TRACE(accident.name);
        auto keyboard = server->StandIn("rig-keys");
        ASSERT_TRUE(keyboard);
        Child listen({VORLANE_CLI_PATH, "listen"});
        keyboard->Say("wait-connected 3000");
        ASSERT_EQ(keyboard->ReadLine(4s), "connected");
        accident.happen(*this, keyboard, listen);
        ASSERT_TRUE(keyboard);
        Play(*keyboard, {50, 54, 57});
        EXPECT_EQ(listen.ReadLine(3s), "Chord D:   D - Gb - A");
        EXPECT_EQ(listen.Stop(SIGTERM), 0);
    }
}

// listen says on standard error which system and which sources it listens to, and connects
// another program's output when asked to (it connects only hardware by itself).
TEST_F(JackRig, ListenTellsWhatItListensToAndConnectsWhatItIsAskedTo) {
    auto program = server->StandIn("soft-keys", "software");
    auto keyboard = server->StandIn("hard-keys");
    ASSERT_TRUE(program && keyboard);
    Child listen({VORLANE_CLI_PATH, "listen", "--connect", "soft-keys:keys"}, true);
    EXPECT_EQ(listen.ReadLine(3s),
              "vorlane-cli: listening on JACK as Vorlane:MIDI in; connected to hard-keys:keys "
              "soft-keys:keys");
    Play(*program, {48, 52, 55});
    EXPECT_EQ(listen.ReadLine(3s), "Chord C:   C - E - G");
    EXPECT_EQ(listen.Stop(SIGTERM), 0);
}

}  // namespace
}  // namespace vorlane::testing
