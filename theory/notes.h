#pragma once

#include <array>
#include <string_view>

namespace vorlane {

// A key of the three-octave keyboard: 1 is the lowest C, each step one semitone, 36 the
// highest B. 37 (the C above) has a name but no key.
using KeyNumber = int;
inline constexpr KeyNumber kLowestKey = 1;
inline constexpr KeyNumber kHighestKey = 36;
inline constexpr KeyNumber kHighestNamedKey = 37;

enum class Spelling { Flat = 0, Sharp = 1 };

// Indexed by KeyNumber 1..37; entry 0 is unused and empty.
using NoteNameTable = std::array<std::string_view, kHighestNamedKey + 1>;
extern const NoteNameTable FlatNoteNames;
extern const NoteNameTable SharpNoteNames;

// The name of key k (1..37) in the given spelling; never carries an octave number.
std::string_view NoteName(KeyNumber k, Spelling spelling);

}  // namespace vorlane
