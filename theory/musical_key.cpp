#include "theory/musical_key.h"

#include <array>

namespace vorlane {

namespace {

constexpr int kOctave = 12;

int Wrapped(int semitones) {
    return ((semitones % kOctave) + kOctave) % kOctave;
}

// A root's place in the key: the degree (1..7) it is written as and the accidental before it.
struct DegreeSpelling {
    std::string_view accidental;
    int degree;
};
using DegreeTable = std::array<DegreeSpelling, kOctave>;

// Indexed by semitones above the tonic. A root outside the scale is always one semitone from
// two degrees, so "the nearest degree" always ties; it takes the lowered degree above (bII,
// bIII, bVI, bVII) except the tritone, written #IV as the raised fourth is heard, and, in
// minor, the notes a semitone above its lowered third, sixth and seventh: #III, #VI, #VII,
// the major key's degrees, as the melodic and harmonic minor raise them.
// clang-format off
constexpr DegreeTable kMajorDegrees = {{
    {"", 1}, {"b", 2}, {"", 2}, {"b", 3}, {"", 3}, {"", 4},
    {"#", 4}, {"", 5}, {"b", 6}, {"", 6}, {"b", 7}, {"", 7},
}};
constexpr DegreeTable kMinorDegrees = {{
    {"", 1}, {"b", 2}, {"", 2}, {"", 3}, {"#", 3}, {"", 4},
    {"#", 4}, {"", 5}, {"", 6}, {"#", 6}, {"", 7}, {"#", 7},
}};
// clang-format on

constexpr std::array<std::string_view, 8> kUpperNumerals = {"",   "I", "II", "III",
                                                            "IV", "V", "VI", "VII"};
constexpr std::array<std::string_view, 8> kLowerNumerals = {"",   "i", "ii", "iii",
                                                            "iv", "v", "vi", "vii"};

// Case follows the third; a suspended chord has none and is written upper case, like the
// major chord it resolves to.
enum class Third { Major, Minor, None };

struct NumeralForm {
    ChordType type;
    Third third;
    std::string_view quality;    // "°" or "+" right after the numeral
    std::string_view extension;  // the rest of the type after the numeral
};

// One row per chord type, in table order. The numeral never carries an inversion figure (a
// row names its inversion in words), so "6" is the added sixth here, as in chord symbols.
// clang-format off
constexpr std::array<NumeralForm, kChordTypeCount> kNumeralForms = {{
    {ChordType::Major,       Third::Major, "",         ""},
    {ChordType::Minor,       Third::Minor, "",         ""},
    {ChordType::Seventh,     Third::Major, "",         "7"},
    {ChordType::Augmented,   Third::Major, "+",        ""},
    {ChordType::Diminished,  Third::Minor, "\u00b0",   ""},
    {ChordType::Minor7,      Third::Minor, "",         "7"},
    {ChordType::Major7,      Third::Major, "",         "maj7"},
    {ChordType::MinorMajor7, Third::Minor, "",         "(maj7)"},
    {ChordType::SevenFlat5,  Third::Major, "",         "7b5"},
    {ChordType::SevenSharp5, Third::Major, "+",        "7"},
    {ChordType::Sixth,       Third::Major, "",         "6"},
    {ChordType::Minor6,      Third::Minor, "",         "6"},
    {ChordType::SixNine,     Third::Major, "",         "6/9"},
    {ChordType::Ninth,       Third::Major, "",         "9"},
    {ChordType::Minor9,      Third::Minor, "",         "9"},
    {ChordType::MinorMajor9, Third::Minor, "",         "(maj9)"},
    {ChordType::Eleventh,    Third::Major, "",         "11"},
    {ChordType::Minor11,     Third::Minor, "",         "11"},
    {ChordType::Major11,     Third::Major, "",         "maj11"},
    {ChordType::Thirteenth,  Third::Major, "",         "13"},
    {ChordType::Minor13,     Third::Minor, "",         "13"},
    {ChordType::Major13,     Third::Major, "",         "maj13"},
    {ChordType::Sus2,        Third::None,  "",         "sus2"},
    {ChordType::Sus4,        Third::None,  "",         "sus4"},
}};
// clang-format on

constexpr bool FormsFollowTypeTable() {
    for (std::size_t i = 0; i < kNumeralForms.size(); ++i) {
        if (NumberOf(kNumeralForms[i].type) != static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(FormsFollowTypeTable(), "one numeral form per chord type, in table order");

// Tonics of the keys written with sharps: G D A E B F# major, E B F# C# G# D# minor.
constexpr std::array<KeyNumber, 6> kSharpMajorTonics = {8, 3, 10, 5, 12, 7};
constexpr std::array<KeyNumber, 6> kSharpMinorTonics = {5, 12, 7, 2, 9, 4};

}  // namespace

bool WrittenWithSharps(const MusicalKey& key) {
    for (KeyNumber tonic : key.minor ? kSharpMinorTonics : kSharpMajorTonics) {
        if (tonic == key.tonic) {
            return true;
        }
    }
    return false;
}

Spelling SpellingOf(const MusicalKey& key) {
    return WrittenWithSharps(key) ? Spelling::Sharp : Spelling::Flat;
}

std::string_view TonicName(const MusicalKey& key) {
    return NoteName(key.tonic, SpellingOf(key));
}

std::string RomanNumeral(const ChordValue& chord, const MusicalKey& key) {
    const DegreeTable& degrees = key.minor ? kMinorDegrees : kMajorDegrees;
    const DegreeSpelling& place =
        degrees[static_cast<std::size_t>(Wrapped(chord.root - key.tonic))];
    const NumeralForm& form = kNumeralForms[static_cast<std::size_t>(NumberOf(chord.type))];
    const auto& numerals = form.third == Third::Minor ? kLowerNumerals : kUpperNumerals;
    std::string numeral{place.accidental};
    numeral += numerals[static_cast<std::size_t>(place.degree)];
    numeral += form.quality;
    numeral += form.extension;
    return numeral;
}

MusicalKey TransposedKey(const MusicalKey& key, int semitones) {
    return {Wrapped(key.tonic - 1 + semitones) + 1, key.minor};
}

ChordValue Transposed(const ChordValue& chord, int semitones, const MusicalKey& keyAfter) {
    ChordValue moved = chord;
    moved.root = Wrapped(chord.root - 1 + semitones) + 1;
    moved.spelling = SpellingOf(keyAfter);
    return moved;
}

}  // namespace vorlane
