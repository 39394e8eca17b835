#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "theory/chord_value.h"

namespace vorlane {

// The remembered chords, oldest first: chord values only. Their text is made in the language
// of the moment they are shown or saved.
class Progression {
  public:
    Progression() = default;
    explicit Progression(std::vector<ChordValue> chords) : chords_(std::move(chords)) {}

    std::span<const ChordValue> Chords() const { return chords_; }
    std::size_t Size() const { return chords_.size(); }
    bool Empty() const { return chords_.empty(); }
    const ChordValue& operator[](std::size_t row) const { return chords_[row]; }

    void Append(const ChordValue& chord) { chords_.push_back(chord); }
    void Clear() { chords_.clear(); }

    void Insert(std::size_t row, std::span<const ChordValue> chords);
    void Erase(std::size_t row, std::size_t count = 1);
    void Set(std::size_t row, const ChordValue& chord) { chords_[row] = chord; }
    // Row i afterwards holds the chord that stood at order[i]; order is a permutation.
    void Reorder(std::span<const std::size_t> order);

    friend bool operator==(const Progression&, const Progression&) = default;

  private:
    std::vector<ChordValue> chords_;
};

// Orders for Reorder. Rows may come in any order and are taken as a set.
// The rows taken out and put back together, in their order, before the row `before` of the
// list as it was (the size: at the end).
std::vector<std::size_t> OrderAfterMove(std::size_t size, std::span<const std::size_t> rows,
                                        std::size_t before);
// Each row one place up (or down) past the next row that does not move; rows already at the
// edge, and rows held by them, stay.
std::vector<std::size_t> OrderAfterStep(std::size_t size, std::span<const std::size_t> rows,
                                        bool up);
// The order that puts the rows back.
std::vector<std::size_t> InverseOrder(std::span<const std::size_t> order);

}  // namespace vorlane
