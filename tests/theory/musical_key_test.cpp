#include "theory/musical_key.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlane {
namespace {

constexpr MusicalKey kCMajor{1, false};
constexpr MusicalKey kAMinor{10, true};
constexpr MusicalKey kEbMajor{4, false};
constexpr MusicalKey kFSharpMajor{7, false};
constexpr MusicalKey kCMinor{1, true};

TEST(RomanNumeral, HandWorkedInMajorAndMinorKeys) {
    struct Case {
        MusicalKey key;
        KeyNumber root;
        ChordType type;
        std::string numeral;
    };
    using T = ChordType;
    const Case cases[] = {
        // C major: the diatonic chords, then roots outside the key.
        {kCMajor, 1, T::Major, "I"},
        {kCMajor, 3, T::Minor7, "ii7"},
        {kCMajor, 5, T::Minor, "iii"},
        {kCMajor, 6, T::Major7, "IVmaj7"},
        {kCMajor, 8, T::Seventh, "V7"},
        {kCMajor, 10, T::Minor9, "vi9"},
        {kCMajor, 12, T::Diminished, "vii\u00b0"},
        {kCMajor, 2, T::Major7, "bIImaj7"},
        {kCMajor, 4, T::Minor, "biii"},
        {kCMajor, 7, T::Diminished, "#iv\u00b0"},
        {kCMajor, 9, T::Major, "bVI"},
        {kCMajor, 11, T::Major, "bVII"},
        {kCMajor, 1, T::Augmented, "I+"},
        {kCMajor, 8, T::SevenSharp5, "V+7"},
        {kCMajor, 8, T::SevenFlat5, "V7b5"},
        {kCMajor, 8, T::Sus4, "Vsus4"},
        {kCMajor, 3, T::Sus2, "IIsus2"},
        {kCMajor, 1, T::SixNine, "I6/9"},
        {kCMajor, 3, T::Minor6, "ii6"},
        {kCMajor, 6, T::Major13, "IVmaj13"},
        {kCMajor, 8, T::Eleventh, "V11"},
        // A minor (natural): the raised sixth and seventh and the major third are sharps.
        {kAMinor, 10, T::Minor, "i"},
        {kAMinor, 10, T::MinorMajor7, "i(maj7)"},
        {kAMinor, 12, T::Diminished, "ii\u00b0"},
        {kAMinor, 1, T::Major7, "IIImaj7"},
        {kAMinor, 3, T::Minor11, "iv11"},
        {kAMinor, 5, T::Seventh, "V7"},
        {kAMinor, 6, T::Major, "VI"},
        {kAMinor, 8, T::Thirteenth, "VII13"},
        {kAMinor, 9, T::Diminished, "#vii\u00b0"},
        {kAMinor, 11, T::Major, "bII"},
        {kAMinor, 2, T::Augmented, "#III+"},
        {kAMinor, 4, T::Diminished, "#iv\u00b0"},
        {kAMinor, 7, T::Minor7, "#vi7"},
        // Eb major.
        {kEbMajor, 4, T::Major7, "Imaj7"},
        {kEbMajor, 6, T::Minor7, "ii7"},
        {kEbMajor, 11, T::Seventh, "V7"},
        {kEbMajor, 1, T::Minor, "vi"},
        {kEbMajor, 3, T::Diminished, "vii\u00b0"},
        {kEbMajor, 2, T::Major, "bVII"},
        {kEbMajor, 10, T::Major, "#IV"},
        // F# major.
        {kFSharpMajor, 7, T::Major, "I"},
        {kFSharpMajor, 2, T::Seventh, "V7"},
        {kFSharpMajor, 4, T::Minor, "vi"},
        {kFSharpMajor, 6, T::Diminished, "vii\u00b0"},
        {kFSharpMajor, 5, T::Major, "bVII"},
        {kFSharpMajor, 8, T::Major, "bII"},
        // C minor.
        {kCMinor, 1, T::Minor, "i"},
        {kCMinor, 4, T::Major, "III"},
        {kCMinor, 6, T::Minor7, "iv7"},
        {kCMinor, 8, T::Seventh, "V7"},
        {kCMinor, 9, T::Major7, "VImaj7"},
        {kCMinor, 11, T::Ninth, "VII9"},
        {kCMinor, 12, T::Diminished, "#vii\u00b0"},
        {kCMinor, 2, T::Major, "bII"},
        {kCMinor, 5, T::Major, "#III"},
        {kCMinor, 10, T::Diminished, "#vi\u00b0"},
    };
    for (const Case& c : cases) {
        for (const Spelling spelling : {Spelling::Flat, Spelling::Sharp}) {
            for (const Inversion inversion :
                 {Inversion::RootPosition, Inversion::SecondInversion}) {
                const ChordValue chord{c.root, spelling, c.type, inversion};
                EXPECT_EQ(RomanNumeral(chord, c.key), c.numeral)
                    << ChordName(chord) << " in " << TonicName(c.key) << (c.key.minor ? "m" : "");
            }
        }
    }
}

TEST(Transposition, SpellsTheRootInTheNewKeysColumn) {
    struct Case {
        ChordValue chord;
        int semitones;
        MusicalKey keyAfter;
        std::string name;
    };
    const ChordValue dm7{3, Spelling::Flat, ChordType::Minor7, Inversion::FirstInversion};
    const ChordValue bbMajor{11, Spelling::Flat, ChordType::Major};
    const ChordValue gSharpDim{9, Spelling::Sharp, ChordType::Diminished};
    const Case cases[] = {
        {dm7, 2, {3, false}, "Em7"},                    // D major: sharps
        {dm7, 1, {2, false}, "Ebm7"},                   // Db major: flats
        {dm7, 4, {5, true}, "F#m7"},                    // E minor: sharps
        {dm7, 4, {5, false}, "F#m7"},                   // E major: sharps
        {dm7, -1, {12, false}, "C#m7"},                 // B major: sharps
        {dm7, -1, {1, true}, "Dbm7"},                   // C minor: flats
        {bbMajor, 3, {1, false}, "Db"},                 // C major takes the flat column
        {bbMajor, 3, {10, true}, "Db"},                 // and so does A minor
        {bbMajor, -4, {7, false}, "F#"},                // F# major
        {bbMajor, 8, {7, true}, "F#"},                  // F# minor
        {bbMajor, -8, {4, true}, "D"},                  // D# minor; wraps upward
        {bbMajor, 15, {7, false}, "C#"},                // more than an octave
        {gSharpDim, 0, {6, false}, "Ab\u00b0 (DIM)"},   // F major respells in place
        {gSharpDim, -12, {9, true}, "G#\u00b0 (DIM)"},  // G# minor
    };
    for (const Case& c : cases) {
        const ChordValue moved = Transposed(c.chord, c.semitones, c.keyAfter);
        EXPECT_EQ(ChordName(moved), c.name) << ChordName(c.chord) << " by " << c.semitones;
        EXPECT_EQ(moved.type, c.chord.type);
        EXPECT_EQ(moved.inversion, c.chord.inversion);
    }
}

TEST(Transposition, KeysWrapAndEveryChordComesBack) {
    EXPECT_EQ(TransposedKey({1, false}, -1), (MusicalKey{12, false}));
    EXPECT_EQ(TransposedKey({12, true}, 1), (MusicalKey{1, true}));
    EXPECT_EQ(TransposedKey({4, true}, 25), (MusicalKey{5, true}));
    EXPECT_EQ(TransposedKey({4, false}, -36), (MusicalKey{4, false}));
    for (KeyNumber root = 1; root <= 12; ++root) {
        for (int semitones = -13; semitones <= 13; ++semitones) {
            const ChordValue chord{root, Spelling::Sharp, ChordType::Minor9};
            const ChordValue there = Transposed(chord, semitones, kCMajor);
            EXPECT_GE(there.root, 1);
            EXPECT_LE(there.root, 12);
            EXPECT_EQ(Transposed(there, -semitones, kFSharpMajor), chord);
        }
    }
}

}  // namespace
}  // namespace vorlane
