#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/gui/form_window_fixture.h"
#include "tests/support/practice_stand_ins.h"
#include "ui/qt/practice_launcher.h"
#include "ui/qt/practice_window.h"

namespace vorlane::testing {
namespace {

using ui::qt::PracticeKeyboard;
using ui::qt::PracticeWindow;

// The practice window on the offscreen platform, over a session on virtual time.
class PracticeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        session = std::make_unique<PracticeSession>(stand.Services());
        window = std::make_unique<PracticeWindow>(*session);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget>
    T* Find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string Text(const char* label) const { return Find<QLabel>(label)->text().toStdString(); }
    void ClickKey(int note) {
        auto* keyboard = Find<PracticeKeyboard>("PracticeKeyboard");
        QTest::mouseClick(keyboard, Qt::LeftButton, {}, keyboard->MarkRect(note).center());
    }
    // A key typed where the focus is, as a player types it.
    void Press(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : window.get(), key);
    }
    std::vector<int> AskedNotes() const { return PlacedNotes(*session->Question()); }

    PracticeStandIns stand;
    std::unique_ptr<PracticeSession> session;
    std::unique_ptr<PracticeWindow> window;
};

TEST_F(PracticeWindowTest, PlayItWithTheMouseAndTheKeys) {
    EXPECT_EQ(window->windowTitle(), "Practice");
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(Text("QuestionLabel"), ChordName(*session->Question()));
    EXPECT_EQ(Text("ScoreLabel"), "Score: 0 of 0");

    const std::vector<int> notes = AskedNotes();
    ClickKey(notes[0]);
    ClickKey(notes[1]);
    ClickKey(notes[0] + 1);
    auto* keyboard = Find<PracticeKeyboard>("PracticeKeyboard");
    EXPECT_EQ(keyboard->Marks().size(), 3u);
    Press(Qt::Key_Return);
    EXPECT_EQ(Text("VerdictLabel").rfind("Not quite", 0), 0u);
    EXPECT_EQ(Text("ScoreLabel"), "Score: 0 of 1");
    EXPECT_EQ(keyboard->Marks().at(notes[0] + 1), ui::KeyMark::Wrong);
    EXPECT_EQ(keyboard->Marks().at(notes[2]), ui::KeyMark::Missing);

    ClickKey(notes[0] + 1);
    ClickKey(notes[2]);
    Press(Qt::Key_Enter);
    EXPECT_EQ(Text("VerdictLabel"), "Correct");
    EXPECT_EQ(Text("ScoreLabel"), "Score: 1 of 2");
    EXPECT_FALSE(Find<QPushButton>("CheckButton")->isEnabled());

    stand.loop.AdvanceBy(PracticeSession::kNextQuestionMs);
    const std::string next = Text("QuestionLabel");
    Press(Qt::Key_H);
    EXPECT_EQ(Text("VerdictLabel"), "The answer: " + next);
    EXPECT_EQ(Text("ScoreLabel"), "Score: 1 of 3");
    for (int note : AskedNotes()) {
        EXPECT_EQ(keyboard->Marks().at(note), ui::KeyMark::Missing);
    }
    Press(Qt::Key_S);
    EXPECT_EQ(Text("VerdictLabel"), "");
    EXPECT_EQ(Text("ScoreLabel"), "Score: 1 of 3");

    // The keyboard's own keys: the arrows move on from the last key clicked, the space bar
    // plays.
    keyboard->setFocus();
    QTest::keyClick(keyboard, Qt::Key_Right);
    QTest::keyClick(keyboard, Qt::Key_Right);
    QTest::keyClick(keyboard, Qt::Key_Space);
    EXPECT_EQ(keyboard->Marks(), (ui::KeyMarks{{notes[2] + 2, ui::KeyMark::Held}}));
}

TEST_F(PracticeWindowTest, NameItTheSetAndTheLanguage) {
    QTest::mouseClick(Find("NameItButton"), Qt::LeftButton);
    EXPECT_EQ(Text("QuestionLabel"), "Which chord is this?");
    EXPECT_FALSE(Find("CheckButton")->isVisible());
    EXPECT_EQ(stand.midi.NotesOn(), AskedNotes());
    // One answer button per chosen type.
    std::vector<QPushButton*> answers;
    for (int i = 0; i < 4; ++i) {
        answers.push_back(Find<QPushButton>(("TypeAnswer" + std::to_string(i)).c_str()));
    }
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("TypeAnswer4")), nullptr);
    const ChordType asked = session->Question()->type;
    const std::array<ChordType, 4> triads = {ChordType::Major, ChordType::Minor,
                                             ChordType::Augmented, ChordType::Diminished};
    const auto index = std::find(triads.begin(), triads.end(), asked) - triads.begin();
    EXPECT_EQ(answers[static_cast<std::size_t>(index)]->text().toStdString(),
              EnglishPracticeTexts.typeNames[static_cast<std::size_t>(NumberOf(asked))]);
    QTest::mouseClick(answers[static_cast<std::size_t>(index)], Qt::LeftButton);
    EXPECT_EQ(Text("VerdictLabel"), "Correct");

    QTest::mouseClick(Find("WhiteRootsButton"), Qt::LeftButton);
    QTest::mouseClick(Find("TypeCheck2"), Qt::LeftButton);  // sevenths too
    EXPECT_EQ(stand.settings.Values().at(std::string{PracticeRootsValueName}), "Wit");
    EXPECT_EQ(stand.settings.Values().at(std::string{PracticeTypesValueName}),
              "Major,Minor,Seventh,Augmented,Diminished");
    EXPECT_NE(window->findChild<QPushButton*>(QStringLiteral("TypeAnswer4")), nullptr);

    window->SetLanguage(Language::Dutch);
    EXPECT_EQ(window->windowTitle(), "Oefenen");
    EXPECT_EQ(Find<QPushButton>("ReplayButton")->text(), "Opnieuw");
    EXPECT_EQ(Text("ScoreLabel"), "Score: 1 van 1");
}

TEST_F(PracticeWindowTest, ResetAsksFirst) {
    ClickKey(AskedNotes()[0]);
    Press(Qt::Key_Return);
    stand.loop.AdvanceBy(PracticeSession::kSaveDelayMs);
    ASSERT_TRUE(stand.files.files.contains(kRecordPath));
    std::vector<QString> asked;
    bool yes = false;
    window->confirmReset = [&](const QString& question) {
        asked.push_back(question);
        return yes;
    };
    QTest::mouseClick(Find("ResetRecordButton"), Qt::LeftButton);
    EXPECT_TRUE(stand.files.files.contains(kRecordPath));
    yes = true;
    QTest::mouseClick(Find("ResetRecordButton"), Qt::LeftButton);
    EXPECT_FALSE(stand.files.files.contains(kRecordPath));
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].toStdString(), EnglishPracticeTexts.resetQuestion);
    EXPECT_EQ(Find("ResultsChart")->accessibleDescription(), "No answers yet.");
}

// The main window's button and Ctrl+P open one practice window, which follows the main
// window's language.
TEST_F(FormWindowTest, PracticeOpensFromTheMainWindowInItsLanguage) {
    Open("Engels", "GeenMidi");
    MemoryRecordFiles recordFiles;
    ui::qt::PracticeLauncher practice(*form, {midi, loop, settings, recordFiles, kRecordPath, {}});
    EXPECT_EQ(Text(form->PracticeButton), "Practice");
    EXPECT_EQ(practice.Window(), nullptr);
    ClickOn(form->PracticeButton);
    PracticeWindow* window = practice.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Practice");
    window->close();
    EXPECT_TRUE(form->window.PressShortcut("Ctrl+P"));
    EXPECT_EQ(practice.Window(), window);
    EXPECT_TRUE(window->isVisible());
    for (auto [button, title] : {std::pair{form->FrenchButton, "Entra\u00eenement"},
                                 std::pair{form->DutchButton, "Oefenen"}}) {
        ClickOn(button);
        EXPECT_EQ(window->windowTitle().toStdString(), title);
        EXPECT_EQ(Text(form->PracticeButton).toStdString(), title);
    }
}

}  // namespace
}  // namespace vorlane::testing
