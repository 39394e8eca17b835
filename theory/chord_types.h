#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vorlane {

// A chord tone: a degree of the root's major scale (1..13), lowered (-1), kept (0) or
// raised (+1) by one semitone.
struct ChordTone {
    int degree = 0;
    int alteration = 0;
};

inline constexpr int kMaxChordTones = 7;

struct ChordTypeRow {
    std::string_view typeName;  // e.g. "Minor7"
    std::string_view suffix;    // written after the root name, e.g. "m7"
    std::array<ChordTone, kMaxChordTones> tones;
    int toneCount = 0;
    bool invertible = false;
};

// Index into ChordTypeTable, 0..23.
using ChordType = int;
inline constexpr int kChordTypeCount = 24;

extern const std::array<ChordTypeRow, kChordTypeCount> ChordTypeTable;

// The type whose name matches, ignoring letter case ("minor7" finds Minor7).
std::optional<ChordType> ChordTypeByName(std::string_view name);

}  // namespace vorlane
