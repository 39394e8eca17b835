#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "practice/played_input.h"
#include "tests/support/fake_midi_in.h"
#include "tests/support/recording_midi_out.h"
#include "tests/support/virtual_event_loop.h"

namespace vorlane {
namespace {

using Messages = std::vector<std::array<int, 3>>;

// The played-keys path as the window has it, with every update to the GUI thread recorded.
struct Played {
    ui::VirtualEventLoop gui;
    RecordingMidiOut out;
    LiveSound sound{out};
    std::vector<std::pair<std::int64_t, PlayedInput::Update>> updates;
    PlayedInput input{gui, {.sound = &sound, .onUpdate = [this](const PlayedInput::Update& u) {
                                updates.emplace_back(gui.NowMs(), u);
                            }}};
    FakeMidiIn keyboards;

    Played() {
        out.Open();
        keyboards.Open(input);
    }
    Messages Sent() const {
        Messages sent;
        for (const auto& e : out.Events()) {
            if (e.kind == RecordingMidiOut::Kind::Message) {
                sent.push_back({e.message.status, e.message.data1, e.message.data2});
            }
        }
        return sent;
    }
};

// A source that goes away takes its own keys with it, and only those: what it held ends on the
// live channel unless another source holds it too, and the pedal lifts only when no other
// source holds one down.
TEST(PlayedInputTest, ASourceThatGoesAwayTakesOnlyItsOwnKeys) {
    struct Case {
        const char* name;
        std::function<void(FakeMidiIn&)> before;  // sources 1 and 2 play; then 1 goes
        Messages ended;
        std::optional<std::vector<int>> heldAfter;  // told to the GUI; none: nothing changed
    };
    const std::vector<Case> cases = {
        {"the only keyboard holds C E G",
         [](FakeMidiIn& k) {
             for (int note : {48, 52, 55}) {
                 k.NoteOn(note, 100, 0, 1);
             }
         },
         {{0x81, 48, 0}, {0x81, 52, 0}, {0x81, 55, 0}},
         std::vector<int>{}},
        {"another keyboard holds G too, on another channel",
         [](FakeMidiIn& k) {
             for (int note : {48, 52, 55}) {
                 k.NoteOn(note, 100, 0, 1);
             }
             k.NoteOn(55, 90, 3, 2);
             k.NoteOn(59, 90, 3, 2);
         },
         {{0x81, 48, 0}, {0x81, 52, 0}},
         std::vector<int>{55, 59}},
        {"its pedal is the only one down",
         [](FakeMidiIn& k) {
             k.Pedal(true, 0, 1);
             k.NoteOn(60, 100, 0, 1);
             k.NoteOff(60, 0, 1);
             k.NoteOn(64, 100, 0, 2);
         },
         {{0xB1, 64, 0}},
         std::nullopt},
        {"another keyboard's pedal is down too",
         [](FakeMidiIn& k) {
             k.Pedal(true, 0, 1);
             k.Pedal(true, 5, 2);
             k.NoteOn(60, 100, 0, 1);
         },
         {{0x81, 60, 0}},
         std::vector<int>{}},
        {"it had let go of everything",
         [](FakeMidiIn& k) {
             k.NoteOn(60, 100, 0, 1);
             k.NoteOff(60, 0, 1);
             k.NoteOn(67, 100, 0, 2);
         },
         {},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Played played;
        c.before(played.keyboards);
        played.gui.RunUntilIdle();
        played.out.Clear();
        played.updates.clear();
        played.keyboards.Gone(1);
        EXPECT_EQ(played.Sent(), c.ended);
        played.gui.RunUntilIdle();
        std::optional<std::vector<int>> told;
        if (!played.updates.empty()) {
            told = played.updates.back().second.held;
        }
        EXPECT_EQ(told, c.heldAfter);
    }
}

// However fast the keys change, the GUI thread hears of them at most once a frame, the first
// change at once and the last one always; the sound gets every message as it comes.
TEST(PlayedInputTest, UpdatesReachTheGuiAtMostOnceAFrame) {
    struct Case {
        const char* name;
        int messages;
        std::int64_t gapMs;  // between messages; 0: the GUI thread gets no turn between them
        std::vector<std::int64_t> updateTimes;
    };
    const std::vector<Case> cases = {
        {"one key", 1, 0, {0}},
        {"a thousand messages at once", 1000, 0, {0}},
        {"a message every millisecond for 50 ms", 50, 1, {0, 16, 32, 48, 64}},
        {"a message every 40 ms", 3, 40, {0, 40, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Played played;
        for (int i = 0; i < c.messages; ++i) {
            // Pairs of a note-on and its note-off; an odd count leaves the last key held.
            if (i % 2 == 0) {
                played.keyboards.NoteOn(60 + (i / 2) % 12);
            } else {
                played.keyboards.NoteOff(60 + (i / 2) % 12);
            }
            if (c.gapMs > 0) {
                played.gui.AdvanceBy(c.gapMs);
            }
        }
        played.gui.RunUntilIdle();
        std::vector<std::int64_t> times;
        for (const auto& [at, update] : played.updates) {
            times.push_back(at);
        }
        EXPECT_EQ(times, c.updateTimes);
        ASSERT_FALSE(played.updates.empty());
        const std::vector<int> last = c.messages % 2 == 1
                                          ? std::vector<int>{60 + ((c.messages - 1) / 2) % 12}
                                          : std::vector<int>{};
        EXPECT_EQ(played.updates.back().second.held, last);
        EXPECT_TRUE(played.updates.front().second.pressed);
        // Every played message sounded, after the one program change.
        EXPECT_EQ(played.Sent().size(), static_cast<std::size_t>(c.messages) + 1);
    }
}

}  // namespace
}  // namespace vorlane
