#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/chord_player.h"
#include "i18n/practice_texts.h"
#include "midi/midi_out.h"
#include "midi/sound_mode.h"
#include "practice/judge.h"
#include "practice/question_set.h"
#include "practice/record_keeper.h"
#include "practice/scheduler.h"
#include "settings/settings_store.h"
#include "ui/event_loop.h"
#include "ui/key_marks.h"

namespace vorlane {

struct PracticeServices {
    MidiOut& midi;
    ui::EventLoop& eventLoop;
    SettingsStore& settings;
    RecordFiles& files;
    std::string recordPath;
    std::function<SoundMode()> soundMode;  // the main window's; the chords heard follow it
    std::uint32_t seed = std::random_device{}();
};

// What the practice window shows, as plain values in the current language.
struct PracticeScreen {
    std::string question;   // the chord to play, or the prompt to name the chord heard
    std::string inversion;  // the inversion asked for, in words; empty when it does not matter
    std::string verdict;
    std::string score;
    std::string streak;
    std::string medianTime;
    std::string notice;  // trouble with the record's file, one line
    ui::KeyMarks keys;   // by MIDI note
    std::vector<TypeSummary> results;
    std::string resultsText;  // the results as a screen reader reads them
    bool waiting = false;     // a question waits for its answer
    bool answerShown = false;
};

// A practice sitting, without a toolkit: asks questions from the chosen set, judges the answers
// played (on the window's keyboard or a MIDI keyboard) or named, keeps the score and the
// record, and says what the window shows. Everything happens on the event loop's thread.
class PracticeSession {
  public:
    static constexpr std::int64_t kNextQuestionMs = 1000;
    static constexpr std::uint8_t kKeysChannel = 2;  // the window's keys; chords use channel 0
    // An answer reaches the record file this long after it was judged, after its verdict.
    static constexpr std::int64_t kSaveDelayMs = 250;

    explicit PracticeSession(PracticeServices services);
    PracticeSession(const PracticeSession&) = delete;
    PracticeSession& operator=(const PracticeSession&) = delete;
    ~PracticeSession();

    // The window opens (the first time the record is read) or closes; while it is closed no
    // question waits for an answer.
    void Open(Language language);
    void Close();
    void SetLanguage(Language language);

    void ChooseDrill(Drill drill);
    Drill CurrentDrill() const { return drill_; }
    const QuestionSet& Set() const { return set_; }
    // Keeps the new set in the settings and asks a question from it.
    void ChangeSet(const QuestionSet& set);

    // Play it: a key of the window's keyboard toggles and sounds; Check judges the keys down.
    void ToggleKey(int note);
    void Check();
    // Notes held on a MIDI keyboard once they settle; false when no question to play waits,
    // so the notes are the main window's.
    bool TakePlayedNotes(const std::vector<int>& notes);

    // Name it: the type, and the root when it is to be named too, in either order.
    void NameRoot(int pitchClass);
    void NameType(ChordType type);
    std::optional<int> NamedRoot() const { return namedRoot_; }
    void Replay();

    void Skip();
    void Show();         // reveals the answer; a miss
    void ResetRecord();  // the window has asked the player first

    const PracticeScreen& Screen() const { return screen_; }
    const Record& Results() const { return record_; }
    std::optional<ChordValue> Question() const { return question_; }

    std::function<void()> onChange;  // after every change of Screen()

  private:
    enum class Said { Nothing, Correct, NotQuite, NotQuitePlayed, Shown };
    enum class Notice { None, SetAside, LeftAlone, NotSaved, NotRemoved };

    void Ask();
    void AskLater();
    void Judge(const std::vector<int>& notes, bool settled);
    void Answer(Outcome outcome, std::optional<Answered> answered);
    void JudgeNamed();
    void PlayQuestion();
    void MarkAnswerShown();
    void ReleaseKeys();
    void SoundKey(int note, bool on);
    void SaveSoon();
    void Save();
    void Refresh();
    ChordKey Key() const { return KeyOf(*question_); }

    PracticeServices services_;
    const PracticeTexts* texts_ = &EnglishPracticeTexts;
    QuestionSet set_;
    Drill drill_ = Drill::PlayIt;
    Record record_;
    RecordKeeper keeper_;
    Scheduler scheduler_;
    ChordPlayer player_;
    bool opened_ = false;
    bool open_ = false;

    std::optional<ChordValue> question_;
    bool waiting_ = false;
    bool firstAnswer_ = true;
    bool shown_ = false;
    std::int64_t askedAtMs_ = 0;
    std::set<int> keysDown_;  // on the window's keyboard
    ui::KeyMarks marks_;
    std::optional<int> namedRoot_;
    std::optional<ChordType> namedType_;
    Said said_ = Said::Nothing;
    std::string played_;  // the chord the wrong notes made
    Notice notice_ = Notice::None;

    int right_ = 0;
    int attempts_ = 0;
    int streak_ = 0;
    std::vector<std::int64_t> rightTimes_;
    int keysProgram_ = -1;
    bool savePending_ = false;
    std::uint64_t generation_ = 0;  // a pending next question belongs to one question
    PracticeScreen screen_;
    std::shared_ptr<PracticeSession*> self_;
};

}  // namespace vorlane
