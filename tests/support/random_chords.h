#pragma once

#include <random>
#include <vector>

#include "theory/chord_value.h"

namespace vorlane::testing {

// A list of chords of any root, column, type and inversion, the same for the same seed.
inline std::vector<ChordValue> RandomChords(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> root(1, 12);
    std::uniform_int_distribution<int> type(0, kChordTypeCount - 1);
    std::uniform_int_distribution<int> choice(0, 2);
    std::vector<ChordValue> chords;
    chords.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        chords.push_back({root(random), choice(random) == 0 ? Spelling::Sharp : Spelling::Flat,
                          static_cast<ChordType>(type(random)),
                          static_cast<Inversion>(choice(random))});
    }
    return chords;
}

}  // namespace vorlane::testing
