#pragma once

#include <array>
#include <cstdint>
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

// The chord types in the order of ChordTypeTable and of the command line's type numbers.
enum class ChordType : std::uint8_t {
    Major,
    Minor,
    Seventh,
    Augmented,
    Diminished,
    Minor7,
    Major7,
    MinorMajor7,
    SevenFlat5,
    SevenSharp5,
    Sixth,
    Minor6,
    SixNine,
    Ninth,
    Minor9,
    MinorMajor9,
    Eleventh,
    Minor11,
    Major11,
    Thirteenth,
    Minor13,
    Major13,
    Sus2,
    Sus4,
};
inline constexpr int kChordTypeCount = 24;

// The type's position in the table, 0..23; the command line shows it as the type's number.
constexpr int NumberOf(ChordType type) {
    return static_cast<int>(type);
}

constexpr std::optional<ChordType> ChordTypeNumbered(int number) {
    if (number < 0 || number >= kChordTypeCount) {
        return std::nullopt;
    }
    return static_cast<ChordType>(number);
}

// Every type, in table order.
inline constexpr std::array<ChordType, kChordTypeCount> AllChordTypes = [] {
    std::array<ChordType, kChordTypeCount> all{};
    for (int n = 0; n < kChordTypeCount; ++n) {
        all[static_cast<std::size_t>(n)] = static_cast<ChordType>(n);
    }
    return all;
}();

extern const std::array<ChordTypeRow, kChordTypeCount> ChordTypeTable;

inline const ChordTypeRow& RowOf(ChordType type) {
    return ChordTypeTable[static_cast<std::size_t>(type)];
}

// The type whose name matches, ignoring letter case ("minor7" finds Minor7).
std::optional<ChordType> ChordTypeByName(std::string_view name);

}  // namespace vorlane
