#include <gtest/gtest.h>

#include "tests/support/practice_stand_ins.h"

namespace vorlane::testing {
namespace {

std::vector<int> Transposed(std::vector<int> notes, int semitones) {
    for (int& note : notes) {
        note += semitones;
    }
    return notes;
}

class PracticeSessionTest : public ::testing::Test {
  protected:
    PracticeStandIns stand;
    std::unique_ptr<PracticeSession> session;

    void Open(QuestionSet set = {}) {
        StoreQuestionSet(stand.settings, set);
        session = std::make_unique<PracticeSession>(stand.Services());
        session->Open(Language::English);
    }
    const PracticeScreen& Screen() const { return session->Screen(); }
    ChordValue Asked() const { return *session->Question(); }
    std::vector<int> AskedNotes() const { return PlacedNotes(Asked()); }
    // The marks of one kind, by note.
    std::vector<int> Marked(ui::KeyMark mark) const {
        std::vector<int> notes;
        for (const auto& [note, m] : Screen().keys) {
            if (m == mark) {
                notes.push_back(note);
            }
        }
        return notes;
    }
    // Messages sent on a channel, as {status, data1, data2}.
    std::vector<std::array<int, 3>> SentOn(int channel) const {
        std::vector<std::array<int, 3>> sent;
        for (const auto& e : stand.midi.Events()) {
            if (e.kind == RecordingMidiOut::Kind::Message && e.message.Channel() == channel) {
                sent.push_back({e.message.status, e.message.data1, e.message.data2});
            }
        }
        return sent;
    }
};

TEST_F(PracticeSessionTest, PlayedChordsAreJudgedScoredAndKept) {
    QuestionSet majors;
    majors.types = ChordTypes{}.set(static_cast<std::size_t>(NumberOf(ChordType::Major)));
    Open(majors);
    const ChordValue first = Asked();
    EXPECT_EQ(Screen().question, ChordName(first));
    EXPECT_EQ(Screen().inversion, "");
    EXPECT_EQ(Screen().score, "Score: 0 of 0");

    // An octave up, doubled.
    std::vector<int> answer = Transposed(AskedNotes(), 12);
    answer.push_back(answer.front() + 12);
    stand.loop.AdvanceBy(1500);
    ASSERT_TRUE(session->TakePlayedNotes(answer));
    EXPECT_EQ(Screen().verdict, "Correct");
    EXPECT_EQ(Screen().score, "Score: 1 of 1");
    EXPECT_EQ(Screen().streak, "Streak: 1");
    EXPECT_EQ(Screen().medianTime, "Median time: 1.5 s");
    EXPECT_EQ(Marked(ui::KeyMark::Right), answer);
    EXPECT_FALSE(session->TakePlayedNotes(answer));  // until the next question, notes are not ours
    stand.loop.AdvanceBy(PracticeSession::kNextQuestionMs - 1);
    EXPECT_EQ(Asked(), first);
    stand.loop.AdvanceBy(1);
    const ChordValue second = Asked();
    EXPECT_NE(KeyOf(second), KeyOf(first));
    EXPECT_EQ(Screen().verdict, "");
    EXPECT_TRUE(Screen().keys.empty());

    // A cluster names nothing; the next chord up is named; the question stays for both.
    ASSERT_TRUE(session->TakePlayedNotes({60, 61, 62}));
    EXPECT_EQ(Screen().verdict, "Not quite");
    EXPECT_EQ(Screen().score, "Score: 1 of 2");
    EXPECT_EQ(Screen().streak, "Streak: 0");
    EXPECT_FALSE(Marked(ui::KeyMark::Wrong).empty());
    EXPECT_FALSE(Marked(ui::KeyMark::Missing).empty());
    ASSERT_TRUE(session->TakePlayedNotes(Transposed(AskedNotes(), 1)));
    const ChordValue up{second.root % 12 + 1, second.spelling, ChordType::Major};
    EXPECT_EQ(Screen().verdict, "Not quite: you played " + ChordName(up));
    EXPECT_EQ(Marked(ui::KeyMark::Wrong), Transposed(AskedNotes(), 1));
    const std::vector<int> asked = AskedNotes();
    EXPECT_EQ(Marked(ui::KeyMark::Missing), (std::vector<int>{asked[1], asked[2], asked[0] + 12}));
    stand.loop.AdvanceBy(5000);
    EXPECT_EQ(Asked(), second);
    ASSERT_TRUE(session->TakePlayedNotes(AskedNotes()));
    EXPECT_EQ(Screen().score, "Score: 2 of 4");

    // Each answer reached the file once shown; the wrong ones sent the chord back to the first
    // box.
    EXPECT_NE(ParseRecord(stand.files.files.at(kRecordPath)), session->Results());
    stand.loop.AdvanceBy(PracticeSession::kSaveDelayMs);
    const std::optional<Record> kept = ParseRecord(stand.files.files.at(kRecordPath));
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, session->Results());
    EXPECT_EQ(kept->Box(KeyOf(first)), 1);
    EXPECT_EQ(kept->Box(KeyOf(second)), 0);
    const auto& answers = kept->Chords().at(KeyOf(second)).answers;
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[1].answered, (Answered{PitchClassOf(up.root - 1), ChordType::Major}));
    EXPECT_EQ(answers[2].ms, 5000);
}

TEST_F(PracticeSessionTest, WindowKeysSoundAndCheckJudgesWhateverIsDown) {
    Open();
    const std::vector<int> notes = AskedNotes();
    session->ToggleKey(notes[0]);
    session->ToggleKey(notes[1]);
    session->ToggleKey(40);
    session->ToggleKey(40);
    EXPECT_EQ(Marked(ui::KeyMark::Held), (std::vector<int>{notes[0], notes[1]}));
    // The organ on a channel of their own when the main window has no sound.
    const std::uint8_t ch = PracticeSession::kKeysChannel;
    EXPECT_EQ(SentOn(ch), (std::vector<std::array<int, 3>>{{0xC0 | ch, 16, 0},
                                                           {0x90 | ch, notes[0], 100},
                                                           {0x90 | ch, notes[1], 100},
                                                           {0x90 | ch, 40, 100},
                                                           {0x80 | ch, 40, 0}}));
    // Part of the chord settling on a MIDI keyboard is no answer yet; Check takes it as one.
    EXPECT_TRUE(session->TakePlayedNotes({notes[0], notes[1]}));
    EXPECT_EQ(Screen().score, "Score: 0 of 0");
    session->Check();
    EXPECT_EQ(Screen().score, "Score: 0 of 1");
    EXPECT_EQ(Marked(ui::KeyMark::Missing), (std::vector<int>{notes[2]}));
    session->ToggleKey(notes[2]);
    session->Check();
    EXPECT_EQ(Screen().verdict, "Correct");
    EXPECT_EQ(Screen().score, "Score: 1 of 2");
    stand.midi.Clear();
    stand.loop.AdvanceBy(PracticeSession::kNextQuestionMs);
    EXPECT_EQ(SentOn(ch).size(), 3u);  // the keys let go for the next question
    EXPECT_TRUE(Screen().keys.empty());
}

TEST_F(PracticeSessionTest, ShowIsAMissSkipIsNoAttemptAndInversionsAskForTheirBass) {
    QuestionSet inversions;
    inversions.inversions = true;
    Open(inversions);
    for (int i = 0; i < 40 && Asked().inversion != Inversion::FirstInversion; ++i) {
        session->Skip();
    }
    ASSERT_EQ(Asked().inversion, Inversion::FirstInversion);
    EXPECT_EQ(Screen().score, "Score: 0 of 0");
    EXPECT_EQ(Screen().inversion, "First inversion");
    ChordValue rootPosition = Asked();
    rootPosition.inversion = Inversion::RootPosition;
    ASSERT_TRUE(session->TakePlayedNotes(PlacedNotes(rootPosition)));
    EXPECT_EQ(Screen().score, "Score: 0 of 1");
    EXPECT_EQ(Marked(ui::KeyMark::Wrong), (std::vector<int>{PlacedNotes(rootPosition).front()}));

    session->Show();
    session->Show();
    EXPECT_EQ(Screen().verdict, "The answer: " + ChordName(Asked()));
    EXPECT_EQ(Screen().score, "Score: 0 of 2");
    EXPECT_EQ(Marked(ui::KeyMark::Missing), AskedNotes());
    session->ToggleKey(AskedNotes().front());
    EXPECT_EQ(Marked(ui::KeyMark::Missing).size(), AskedNotes().size() - 1);
    ASSERT_TRUE(session->TakePlayedNotes(AskedNotes()));
    EXPECT_EQ(Screen().score, "Score: 1 of 3");
    EXPECT_EQ(session->Results().Box(KeyOf(Asked())), 0);
}

TEST_F(PracticeSessionTest, NameItPlaysTheChordAndTakesTheTypeAndTheRoot) {
    QuestionSet named;
    named.nameRoot = true;
    stand.soundMode = SoundMode::HammondOrgan;
    Open(named);
    session->ChooseDrill(Drill::NameIt);
    EXPECT_EQ(Screen().question, "Which chord is this?");
    EXPECT_EQ(stand.midi.NotesOn(), AskedNotes());
    stand.midi.Clear();
    session->Replay();
    EXPECT_EQ(stand.midi.NotesOn(), AskedNotes());

    const ChordKey asked = KeyOf(Asked());
    const ChordType other = asked.type == ChordType::Major ? ChordType::Minor : ChordType::Major;
    session->NameType(asked.type);
    EXPECT_EQ(Screen().score, "Score: 0 of 0");  // the root is still to come
    session->NameRoot((asked.root + 1) % 12);
    EXPECT_EQ(Screen().verdict, "Not quite");
    session->NameRoot(asked.root);
    session->NameType(other);
    EXPECT_EQ(Screen().score, "Score: 0 of 2");
    session->NameRoot(asked.root);
    session->NameType(asked.type);
    EXPECT_EQ(Screen().verdict, "Correct");
    EXPECT_EQ(Screen().question, ChordName(Asked()));
    EXPECT_EQ(Screen().score, "Score: 1 of 3");
    EXPECT_EQ(session->Results().Confusions().size(), 1u);  // the other type once

    // An arpeggio sound climbs from the bass.
    stand.soundMode = SoundMode::PianoArpeggio;
    stand.midi.Clear();
    stand.loop.AdvanceBy(PracticeSession::kNextQuestionMs);
    stand.loop.AdvanceBy(2000);
    EXPECT_EQ(stand.midi.NotesOn(), AskedNotes());
    EXPECT_FALSE(session->TakePlayedNotes(AskedNotes()));  // nothing to play in this drill
}

TEST_F(PracticeSessionTest, RecordTroubleIsSaidOnceAndPracticeGoesOn) {
    stand.files.files[kRecordPath] = "not a record";
    Open();
    const std::string setAside = "Your practice record could not be read and was set aside as " +
                                 std::string{kRecordPath} +
                                 ".bad; practice starts with a fresh record.";
    EXPECT_EQ(Screen().notice, setAside);
    EXPECT_EQ(stand.files.files.at(std::string{kRecordPath} + ".bad"), "not a record");

    stand.files.failWrites = true;
    session->Show();
    stand.loop.AdvanceBy(PracticeSession::kSaveDelayMs);
    EXPECT_EQ(Screen().notice.rfind("Your practice record cannot be saved", 0), 0u);
    EXPECT_FALSE(stand.files.files.contains(kRecordPath));
    stand.files.failWrites = false;
    session->Skip();
    ASSERT_TRUE(session->TakePlayedNotes(AskedNotes()));
    stand.loop.AdvanceBy(PracticeSession::kSaveDelayMs);
    EXPECT_EQ(Screen().notice, "");
    EXPECT_TRUE(stand.files.files.contains(kRecordPath));

    session->ResetRecord();
    EXPECT_FALSE(stand.files.files.contains(kRecordPath));
    EXPECT_EQ(Screen().resultsText, "No answers yet.");
    session->SetLanguage(Language::French);
    EXPECT_EQ(Screen().score, "Score : 1 sur 2");
}

TEST_F(PracticeSessionTest, TheQuestionSetOutlivesTheSession) {
    Open();
    QuestionSet set;
    set.whiteKeysOnly = true;
    set.types = TypesOf(TypeChoice::Sevenths);
    session->ChangeSet(set);
    EXPECT_EQ(RowOf(Asked().type).toneCount, 4);
    session = std::make_unique<PracticeSession>(stand.Services());
    EXPECT_EQ(session->Set(), set);
    set.types.reset();
    session->ChangeSet(set);
    EXPECT_EQ(session->Question(), std::nullopt);
    EXPECT_EQ(Screen().question, "Choose at least one chord type.");
}

}  // namespace
}  // namespace vorlane::testing
