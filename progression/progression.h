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

    friend bool operator==(const Progression&, const Progression&) = default;

  private:
    std::vector<ChordValue> chords_;
};

}  // namespace vorlane
