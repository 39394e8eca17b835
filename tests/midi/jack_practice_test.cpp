#include <gtest/gtest.h>

#include <QLabel>

#include "tests/midi/jack_window.h"
#include "tests/midi/private_jack_test.h"
#include "tests/support/memory_record_files.h"
#include "ui/qt/practice_launcher.h"

namespace vorlane::testing {
namespace {

using namespace std::chrono_literals;

// The practice window answered on a keyboard played into "Vorlane:MIDI in" of a private JACK
// server: right, wrong and right again, the main window's chord left alone meanwhile.
using JackPractice = PrivateJackTest;

TEST_F(JackPractice, QuestionsAnsweredOnAKeyboard) {
    auto keyboard = server->StandIn("practice-keys");
    ASSERT_TRUE(keyboard);
    RigWindow rig;
    MemoryRecordFiles records;
    ui::qt::PracticeLauncher practice(
        *rig.form,
        {rig.midi.Output(), rig.w.loop, rig.w.settings, records, "/records/practice.txt", {}, 19});
    keyboard->Say("wait-connected 3000");
    ASSERT_EQ(keyboard->ReadLine(4s), "connected");
    rig.form->window.Click(*rig.form->PracticeButton);
    ui::qt::PracticeWindow* window = practice.Window();
    ASSERT_NE(window, nullptr);
    auto text = [window](const char* label) {
        return window->findChild<QLabel*>(QString::fromLatin1(label))->text().toStdString();
    };
    auto shows = [&](const char* label, const std::string& expected) {
        RigWindow::Within(3s, [&] { return text(label) == expected; });
        return text(label);
    };
    auto play = [&](const std::vector<int>& notes, const char* how) {
        for (int note : notes) {
            keyboard->Say(std::string{how} + " " + std::to_string(note) + " 90");
        }
    };
    const std::string chordLine = rig.form->ChordLineLabel->text;

    const ChordValue first = *practice.Session()->Question();
    std::vector<int> octaveUp = PlacedNotes(first);
    for (int& note : octaveUp) {
        note += 12;
    }
    play(octaveUp, "on");
    EXPECT_EQ(shows("VerdictLabel", "Correct"), "Correct");
    EXPECT_EQ(text("ScoreLabel"), "Score: 1 of 1");
    play(octaveUp, "off");
    EXPECT_TRUE(RigWindow::Within(3s, [&] { return text("QuestionLabel") != ChordName(first); }));
    const ChordValue second = *practice.Session()->Question();
    EXPECT_NE(KeyOf(second), KeyOf(first));
    EXPECT_EQ(text("QuestionLabel"), ChordName(second));

    play({60, 61, 62}, "on");
    EXPECT_EQ(shows("ScoreLabel", "Score: 1 of 2"), "Score: 1 of 2");
    EXPECT_EQ(text("VerdictLabel"), "Not quite");
    EXPECT_EQ(text("QuestionLabel"), ChordName(second));
    play({60, 61, 62}, "off");
    play(PlacedNotes(second), "on");
    EXPECT_EQ(shows("ScoreLabel", "Score: 2 of 3"), "Score: 2 of 3");
    EXPECT_EQ(text("VerdictLabel"), "Correct");
    EXPECT_EQ(rig.form->ChordLineLabel->text, chordLine);
}

}  // namespace
}  // namespace vorlane::testing
