#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/question.h"

namespace vorlane {

// How a question ended for one answer. Shown: the player asked for the answer (a miss).
enum class Outcome { Right, Wrong, Shown };

// The chord an answer named: the chord the played notes make, or the buttons pressed. The root
// is -1 when only the type was named.
struct Answered {
    int root = -1;
    ChordType type = ChordType::Major;

    friend bool operator==(const Answered&, const Answered&) = default;
};

struct AnswerEntry {
    Drill drill = Drill::PlayIt;
    Outcome outcome = Outcome::Right;
    std::int64_t ms = 0;               // from the question to this answer
    std::optional<Answered> answered;  // none: the notes named no chord, or nothing was given

    friend bool operator==(const AnswerEntry&, const AnswerEntry&) = default;
};

struct ChordRecord {
    int box = 0;                       // the chord's Leitner box
    std::vector<AnswerEntry> answers;  // the latest ones, oldest first

    friend bool operator==(const ChordRecord&, const ChordRecord&) = default;
};

struct TypeSummary {
    ChordType type = ChordType::Major;
    int attempts = 0;
    int right = 0;
    std::optional<std::int64_t> medianMs;  // of the right answers
};

// A chord type answered as another (or as no chord at all), and how often.
struct Confusion {
    ChordType asked = ChordType::Major;
    Drill drill = Drill::PlayIt;
    std::optional<ChordType> answered;
    int count = 0;
};

// What the player has answered, chord by chord, across sittings.
class Record {
  public:
    // Enough answers per chord for its times and confusions, while the file stays small.
    static constexpr std::size_t kKeptAnswers = 50;

    void Add(const ChordKey& chord, const AnswerEntry& answer);
    int Box(const ChordKey& chord) const;
    void SetBox(const ChordKey& chord, int box);
    void Clear() { chords_.clear(); }

    bool Empty() const { return chords_.empty(); }
    const std::map<ChordKey, ChordRecord>& Chords() const { return chords_; }
    ChordRecord& At(const ChordKey& chord) { return chords_[chord]; }

    // The types answered at least once, in table order.
    std::vector<TypeSummary> ByType() const;
    // Types answered as another type or as no chord, most frequent first.
    std::vector<Confusion> Confusions() const;

    friend bool operator==(const Record&, const Record&) = default;

  private:
    std::map<ChordKey, ChordRecord> chords_;
};

std::optional<std::int64_t> MedianMs(std::vector<std::int64_t> times);

// The record as the text of its file, and back; none for a text that is not a whole record.
std::string RecordText(const Record& record);
std::optional<Record> ParseRecord(std::string_view text);

}  // namespace vorlane
