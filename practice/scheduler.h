#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <vector>

#include "practice/record.h"

namespace vorlane {

// Chooses the next question: Leitner boxes, drawn by lot. Each chord sits in a box: a wrong
// (or shown) answer sends it back to box 0, a right and quick first answer moves it up one box,
// a right but slow one down one. A chord's chance is halved with each box and grows with the
// questions asked since it last came up, so a weak chord returns within a few questions, a
// known one now and then, and a chord just asked never comes twice in a row. Leitner rather
// than an SM-2 style scheduler: one small number per chord is all the record keeps, the rule
// is easy to follow from the record, and ease factors tuned for reviews days apart say little
// about a drill of a few minutes. Drawing by lot rather than taking the most overdue keeps the
// order from repeating and lets new chords in while old ones are due.
class Scheduler {
  public:
    static constexpr std::int64_t kSlowMs = 4000;  // a right answer slower than this is weak
    static constexpr int kTopBox = 5;

    explicit Scheduler(std::uint32_t seed) : random_(seed) {}

    // The next question from the set; black-key roots are spelt with flats or sharps at random.
    std::optional<ChordValue> Next(const std::vector<ChordKey>& set, const Record& record);

    // The chord's box after an answer; later answers to the same question move it no further.
    static int NextBox(int box, Outcome outcome, bool firstAnswer, std::int64_t ms);

  private:
    double Weight(const ChordKey& chord, const Record& record) const;

    std::mt19937 random_;
    std::int64_t turn_ = 0;
    std::map<ChordKey, std::int64_t> askedAt_;  // turns, in this sitting
    std::optional<ChordKey> last_;
};

}  // namespace vorlane
