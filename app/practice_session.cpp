#include "app/practice_session.h"

#include <algorithm>
#include <utility>

#include "practice/results_text.h"

namespace vorlane {

namespace {

constexpr std::uint8_t kKeyVelocity = 100;

// The instrument the practice sounds in: the main window's, the organ when it has none.
SoundMode AudibleMode(SoundMode mode) {
    return GeneralMidiProgram(mode) ? mode : SoundMode::HammondOrgan;
}

}  // namespace

PracticeSession::PracticeSession(PracticeServices services)
    : services_(std::move(services)),
      set_(ReadQuestionSet(services_.settings)),
      keeper_(services_.files, services_.recordPath),
      scheduler_(services_.seed),
      player_(services_.midi, services_.eventLoop),
      self_(std::make_shared<PracticeSession*>(this)) {}

PracticeSession::~PracticeSession() {
    ReleaseKeys();
    if (savePending_) {
        Save();
    }
}

void PracticeSession::Open(Language language) {
    texts_ = &PracticeTextsFor(language);
    open_ = true;
    if (!std::exchange(opened_, true)) {
        switch (keeper_.Load(record_)) {
            case RecordKeeper::Loaded::SetAside:
                notice_ = Notice::SetAside;
                break;
            case RecordKeeper::Loaded::LeftAlone:
                notice_ = Notice::LeftAlone;
                break;
            case RecordKeeper::Loaded::Fresh:
            case RecordKeeper::Loaded::Read:
                break;
        }
    }
    if (!question_) {
        Ask();
        return;
    }
    Refresh();
}

void PracticeSession::Close() {
    open_ = false;
    ReleaseKeys();
}

void PracticeSession::SetLanguage(Language language) {
    texts_ = &PracticeTextsFor(language);
    Refresh();
}

void PracticeSession::ChooseDrill(Drill drill) {
    if (drill != drill_) {
        drill_ = drill;
        Ask();
    }
}

void PracticeSession::ChangeSet(const QuestionSet& set) {
    set_ = set;
    StoreQuestionSet(services_.settings, set_);
    Ask();
}

void PracticeSession::Ask() {
    ++generation_;
    ReleaseKeys();
    marks_.clear();
    said_ = Said::Nothing;
    namedRoot_.reset();
    namedType_.reset();
    shown_ = false;
    question_ = scheduler_.Next(Questions(set_), record_);
    waiting_ = question_.has_value();
    firstAnswer_ = true;
    askedAtMs_ = services_.eventLoop.NowMs();
    if (question_ && drill_ == Drill::NameIt) {
        PlayQuestion();
    }
    Refresh();
}

void PracticeSession::AskLater() {
    std::weak_ptr<PracticeSession*> alive = self_;
    services_.eventLoop.RunAfter(kNextQuestionMs, [alive, generation = generation_] {
        auto self = alive.lock();
        if (self && (*self)->generation_ == generation) {
            (*self)->Ask();
        }
    });
}

void PracticeSession::ToggleKey(int note) {
    const bool down = keysDown_.insert(note).second;
    if (!down) {
        keysDown_.erase(note);
    }
    SoundKey(note, down);
    MarkAnswerShown();
    for (int key : keysDown_) {
        marks_[key] = ui::KeyMark::Held;
    }
    Refresh();
}

void PracticeSession::Check() {
    Judge(std::vector<int>(keysDown_.begin(), keysDown_.end()), false);
}

bool PracticeSession::TakePlayedNotes(const std::vector<int>& notes) {
    if (!open_ || !waiting_ || drill_ != Drill::PlayIt) {
        return false;
    }
    Judge(notes, true);
    return true;
}

// Settled notes that are only part of the chord are a player still finding the keys, not an
// answer; Check judges whatever is down.
void PracticeSession::Judge(const std::vector<int>& notes, bool settled) {
    if (!waiting_ || drill_ != Drill::PlayIt) {
        return;
    }
    const PlayJudgement judged = JudgePlayed(*question_, BassMatters(set_, question_->type), notes);
    MarkAnswerShown();
    const bool right = judged.verdict == Verdict::Right;
    for (int note : notes) {
        marks_[note] = right ? ui::KeyMark::Right : ui::KeyMark::Held;
    }
    if (settled && judged.verdict == Verdict::Incomplete) {
        Refresh();
        return;
    }
    for (int note : judged.wrongNotes) {
        marks_[note] = ui::KeyMark::Wrong;
    }
    for (int note : judged.missingNotes) {
        marks_[note] = ui::KeyMark::Missing;
    }
    std::optional<Answered> answered;
    played_.clear();
    if (judged.played) {
        answered = Answered{judged.played->rootPitchClass, judged.played->type};
        played_ = ChordName({RootKeyOf(judged.played->rootPitchClass), question_->spelling,
                             judged.played->type, judged.played->inversion});
    }
    if (right) {
        Answer(Outcome::Right, answered);
        return;
    }
    said_ = played_.empty() ? Said::NotQuite : Said::NotQuitePlayed;
    Answer(Outcome::Wrong, answered);
}

void PracticeSession::Answer(Outcome outcome, std::optional<Answered> answered) {
    const std::int64_t ms = services_.eventLoop.NowMs() - askedAtMs_;
    const ChordKey key = Key();
    record_.Add(key, {drill_, outcome, ms, answered});
    record_.SetBox(key, Scheduler::NextBox(record_.Box(key), outcome, firstAnswer_, ms));
    firstAnswer_ = false;
    ++attempts_;
    if (outcome == Outcome::Right) {
        ++right_;
        ++streak_;
        rightTimes_.push_back(ms);
        said_ = Said::Correct;
        waiting_ = false;
        AskLater();
    } else {
        streak_ = 0;
    }
    Refresh();
    SaveSoon();
}

// Written a moment later, well after the verdict was painted, so that a slow disk never holds
// it up; answers given meanwhile go in the same write, and closing writes what is pending.
void PracticeSession::SaveSoon() {
    if (std::exchange(savePending_, true)) {
        return;
    }
    std::weak_ptr<PracticeSession*> alive = self_;
    services_.eventLoop.RunAfter(kSaveDelayMs, [alive] {
        if (auto self = alive.lock()) {
            (*self)->Save();
        }
    });
}

void PracticeSession::NameRoot(int pitchClass) {
    if (!waiting_ || drill_ != Drill::NameIt) {
        return;
    }
    namedRoot_ = pitchClass;
    if (namedType_) {
        JudgeNamed();
        return;
    }
    Refresh();
}

void PracticeSession::NameType(ChordType type) {
    if (!waiting_ || drill_ != Drill::NameIt) {
        return;
    }
    namedType_ = type;
    if (!set_.nameRoot || namedRoot_) {
        JudgeNamed();
        return;
    }
    Refresh();
}

void PracticeSession::JudgeNamed() {
    const std::optional<int> root = set_.nameRoot ? namedRoot_ : std::nullopt;
    const ChordType type = *namedType_;
    namedRoot_.reset();
    namedType_.reset();
    const Answered answered{root.value_or(-1), type};
    if (vorlane::JudgeNamed(Key(), type, root)) {
        shown_ = true;
        marks_.clear();
        for (int note : PlacedNotes(*question_)) {
            marks_[note] = ui::KeyMark::Right;
        }
        Answer(Outcome::Right, answered);
        return;
    }
    said_ = Said::NotQuite;
    Answer(Outcome::Wrong, answered);
}

void PracticeSession::Replay() {
    if (question_ && drill_ == Drill::NameIt) {
        PlayQuestion();
    }
}

// The tones from the bass up, so that an arpeggio climbs from the inversion's lowest note.
void PracticeSession::PlayQuestion() {
    const SoundMode mode =
        AudibleMode(services_.soundMode ? services_.soundMode() : SoundMode::NoSound);
    if (player_.Mode() != mode) {
        player_.ChangeMode(mode);
    }
    std::vector<PlacedTone> placed = PlaceChord(*question_);
    std::sort(placed.begin(), placed.end(),
              [](const PlacedTone& a, const PlacedTone& b) { return a.key < b.key; });
    std::vector<ShownTone> tones;
    for (const PlacedTone& tone : placed) {
        tones.push_back({static_cast<int>(tones.size()), tone.key, {}});
    }
    player_.Play(tones, false, Inversion::RootPosition);
}

void PracticeSession::Skip() {
    if (question_) {
        Ask();
    }
}

void PracticeSession::Show() {
    if (!waiting_ || shown_) {
        return;
    }
    shown_ = true;
    MarkAnswerShown();
    said_ = Said::Shown;
    Answer(Outcome::Shown, std::nullopt);
}

// Once shown, the answer stays on the keyboard while the player finds it.
void PracticeSession::MarkAnswerShown() {
    marks_.clear();
    if (shown_ && question_) {
        for (int note : PlacedNotes(*question_)) {
            marks_[note] = ui::KeyMark::Missing;
        }
    }
}

void PracticeSession::ResetRecord() {
    if (keeper_.Remove()) {
        record_.Clear();
        notice_ = Notice::None;
    } else {
        notice_ = Notice::NotRemoved;
    }
    Refresh();
}

void PracticeSession::ReleaseKeys() {
    for (int note : keysDown_) {
        SoundKey(note, false);
    }
    keysDown_.clear();
}

void PracticeSession::SoundKey(int note, bool on) {
    MidiOut& midi = services_.midi;
    const auto data = static_cast<std::uint8_t>(note & kDataMask);
    if (!on) {
        midi.Send(NoteOffMessage(kKeysChannel, data));
        return;
    }
    const SoundMode mode =
        AudibleMode(services_.soundMode ? services_.soundMode() : SoundMode::NoSound);
    const std::uint8_t program = *GeneralMidiProgram(mode);
    if (program != keysProgram_) {
        midi.Send(ProgramChangeMessage(kKeysChannel, program));
        keysProgram_ = program;
    }
    midi.Send(NoteOnMessage(kKeysChannel, data, kKeyVelocity));
}

void PracticeSession::Save() {
    savePending_ = false;
    const Notice before = notice_;
    switch (keeper_.Save(record_)) {
        case RecordKeeper::Saved::Saved:
            if (notice_ == Notice::NotSaved) {
                notice_ = Notice::None;
            }
            break;
        case RecordKeeper::Saved::Failed:
            notice_ = Notice::NotSaved;
            break;
        case RecordKeeper::Saved::FailedAgain:
            break;
    }
    if (notice_ != before) {
        Refresh();
    }
}

void PracticeSession::Refresh() {
    const PracticeTexts& t = *texts_;
    PracticeScreen s;
    if (!question_) {
        s.question = t.noTypes;
    } else {
        s.question =
            drill_ == Drill::PlayIt || shown_ ? ChordName(*question_) : std::string{t.listenPrompt};
        if (drill_ == Drill::PlayIt && BassMatters(set_, question_->type)) {
            s.inversion = t.inversionWords[static_cast<std::size_t>(question_->inversion)];
        }
    }
    switch (said_) {
        case Said::Nothing:
            break;
        case Said::Correct:
            s.verdict = t.correct;
            break;
        case Said::NotQuite:
            s.verdict = t.notQuite;
            break;
        case Said::NotQuitePlayed:
            s.verdict = Fill(t.notQuitePlayed, {played_});
            break;
        case Said::Shown:
            s.verdict = Fill(t.answerShown, {ChordName(*question_)});
            break;
    }
    s.score = Fill(t.score, {std::to_string(right_), std::to_string(attempts_)});
    s.streak = Fill(t.streak, {std::to_string(streak_)});
    s.medianTime = Fill(t.medianTime, {TimeText(MedianMs(rightTimes_), t)});
    switch (notice_) {
        case Notice::None:
            break;
        case Notice::SetAside:
            s.notice = Fill(t.recordSetAside, {keeper_.BadPath()});
            break;
        case Notice::LeftAlone:
            s.notice = t.recordLeftAlone;
            break;
        case Notice::NotSaved:
            s.notice = t.recordNotSaved;
            break;
        case Notice::NotRemoved:
            s.notice = t.recordNotRemoved;
            break;
    }
    s.keys = marks_;
    s.results = record_.ByType();
    s.resultsText = ResultsText(record_, t);
    s.waiting = waiting_;
    s.answerShown = shown_;
    screen_ = std::move(s);
    if (onChange) {
        onChange();
    }
}

}  // namespace vorlane
