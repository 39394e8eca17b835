#include "theory/musical_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace vorlane {
namespace {

// The chord the window names so, in either column.
ChordValue ChordNamed(std::string_view name) {
    for (const Spelling spelling : {Spelling::Flat, Spelling::Sharp}) {
        for (KeyNumber root = 1; root <= 12; ++root) {
            for (const ChordType type : AllChordTypes) {
                const ChordValue chord{root, spelling, type, Inversion::SecondInversion};
                if (ChordName(chord) == name) {
                    return chord;
                }
            }
        }
    }
    ADD_FAILURE() << "no chord is named " << name;
    return {};
}

// Every interval above the tonic in each mode, every numeral form, and a key whose degrees wrap.
TEST(RomanNumeral, HandWorkedInMajorAndMinorKeys) {
    // "chord=numeral; ..." per key: the diatonic chords, then roots outside the key.
    const std::pair<MusicalKey, std::string_view> keys[] = {
        {{1, false},
         "C=I; Dm7=ii7; Em=iii; FM7 (MAJ)=IVmaj7; G7=V7; Am9=vi9; B\u00b0 (DIM)=vii\u00b0; "
         "DbM7 (MAJ)=bIImaj7; Ebm=biii; F#\u00b0 (DIM)=#iv\u00b0; Ab=bVI; Bb=bVII; C+ (AUG)=I+; "
         "G7+5 (#5)=V+7; G7-5 (b5)=V7b5; Gsus4=Vsus4; Dsus2=IIsus2; C6/9=I6/9; Dm6=ii6; "
         "FM13 (MAJ)=IVmaj13; G11=V11"},
        // Natural minor: the raised sixth and seventh and the major third are sharps.
        {{10, true},
         "Am=i; Am/M7 (MAJ)=i(maj7); B\u00b0 (DIM)=ii\u00b0; CM7 (MAJ)=IIImaj7; Dm11=iv11; E7=V7; "
         "F=VI; G13=VII13; G#\u00b0 (DIM)=#vii\u00b0; Bb=bII; C#+ (AUG)=#III+; "
         "D#\u00b0 (DIM)=#iv\u00b0; F#m7=#vi7"},
        {{7, false}, "F#=I; C#7=V7; D#m=vi; F\u00b0 (DIM)=vii\u00b0; E=bVII; G=bII"},
    };
    for (const auto& [key, table] : keys) {
        std::string_view rest = table;
        while (!rest.empty()) {
            const std::string_view entry = rest.substr(0, rest.find("; "));
            rest.remove_prefix(std::min(rest.size(), entry.size() + 2));
            const std::size_t equals = entry.rfind('=');
            const ChordValue chord = ChordNamed(entry.substr(0, equals));
            EXPECT_EQ(RomanNumeral(chord, key), entry.substr(equals + 1))
                << entry << " in " << TonicName(key) << (key.minor ? "m" : "");
        }
    }
}

TEST(Transposition, KeysWithSharpsAndTheRootSpelledInTheNewKeysColumn) {
    // Tonics C to B: '#' where the key is written with sharps.
    for (const auto& [minor, sharps] :
         {std::pair{false, "..#.#.##.#.#"}, std::pair{true, ".#.##.#.#..#"}}) {
        for (KeyNumber tonic = 1; tonic <= 12; ++tonic) {
            EXPECT_EQ(WrittenWithSharps({tonic, minor}), sharps[tonic - 1] == '#')
                << tonic << (minor ? " minor" : " major");
        }
    }
    EXPECT_EQ(TransposedKey({1, false}, -1), (MusicalKey{12, false}));
    EXPECT_EQ(TransposedKey({12, true}, 1), (MusicalKey{1, true}));
    EXPECT_EQ(TransposedKey({4, true}, 25), (MusicalKey{5, true}));
    EXPECT_EQ(TransposedKey({4, false}, -36), (MusicalKey{4, false}));

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
        {dm7, 4, {5, true}, "F#m7"},                   // E minor: sharps
        {dm7, -1, {1, true}, "Dbm7"},                  // C minor: flats
        {bbMajor, 3, {1, false}, "Db"},                // C major takes the flat column
        {dm7, -4, {4, true}, "A#m7"},                  // D# minor; wraps below C
        {bbMajor, 15, {7, false}, "C#"},               // more than an octave
        {gSharpDim, 0, {6, false}, "Ab\u00b0 (DIM)"},  // F major respells in place
    };
    for (const Case& c : cases) {
        const ChordValue moved = Transposed(c.chord, c.semitones, c.keyAfter);
        EXPECT_EQ(ChordName(moved), c.name) << ChordName(c.chord) << " by " << c.semitones;
        EXPECT_EQ(moved.type, c.chord.type);
        EXPECT_EQ(moved.inversion, c.chord.inversion);
    }
}

}  // namespace
}  // namespace vorlane
