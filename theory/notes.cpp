#include "theory/notes.h"

namespace vorlane {

namespace {

constexpr std::array<std::string_view, 12> kFlatOctave = {"C",  "Db", "D",  "Eb", "E",  "F",
                                                          "Gb", "G",  "Ab", "A",  "Bb", "B"};
constexpr std::array<std::string_view, 12> kSharpOctave = {"C",  "C#", "D",  "D#", "E",  "F",
                                                           "F#", "G",  "G#", "A",  "A#", "B"};

// Keys 1..36 repeat the octave three times; 37 is the C above.
constexpr NoteNameTable MakeTable(const std::array<std::string_view, 12>& octave) {
    NoteNameTable table{};
    for (KeyNumber k = kLowestKey; k <= kHighestNamedKey; ++k) {
        table[k] = octave[(k - 1) % 12];
    }
    return table;
}

}  // namespace

const NoteNameTable FlatNoteNames = MakeTable(kFlatOctave);
const NoteNameTable SharpNoteNames = MakeTable(kSharpOctave);

std::string_view NoteName(KeyNumber k, Spelling spelling) {
    if (k < kLowestKey || k > kHighestNamedKey) {
        return {};
    }
    return spelling == Spelling::Sharp ? SharpNoteNames[k] : FlatNoteNames[k];
}

}  // namespace vorlane
