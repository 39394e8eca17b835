#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "midi/midi_out.h"
#include "theory/chord_naming.h"

namespace vorlane {
namespace {

// "<flat root><suffix>/<inversion>", with " no 5" for a chord without its fifth.
std::string Describe(const std::optional<NamedChord>& chord) {
    if (!chord) {
        return "none";
    }
    std::string text{FlatNoteNames[RootKeyOf(chord->rootPitchClass)]};
    text += RowOf(chord->type).suffix;
    text += "/" + std::to_string(static_cast<int>(chord->inversion));
    return text + (chord->fifthOmitted ? " no 5" : "");
}

std::string Name(const std::vector<int>& notes) {
    return Describe(NameChord(notes));
}

TEST(ChordNaming, HandWorkedVoicings) {
    const std::vector<std::pair<std::vector<int>, std::string>> cases = {
        {{52, 55, 60}, "C/1"},             // E3 G3 C4
        {{43, 60, 64}, "C/2"},             // G2 C4 E4
        {{36, 55, 76, 84, 48}, "C/0"},     // spread over four octaves, unordered
        {{51, 55, 58, 60}, "Eb6/0"},       // the bass is Eb6's root: not Cm7 in first
        {{55, 58, 60, 63}, "Eb6/1"},       // Eb6 in first beats Cm7 in second
        {{50, 53, 57, 60}, "Dm7/0"},       // F6 would have its fourth tone in the bass
        {{48, 52, 56, 60}, "C+ (AUG)/0"},  // augmented: the bass picks the root
        {{52, 56, 60}, "E+ (AUG)/0"},
        {{56, 60, 64}, "Ab+ (AUG)/0"},
        {{69, 73, 76}, "A/0"},        // A4 C#5 E5
        {{48, 50, 55}, "Csus2/0"},    // also Gsus4 in first inversion
        {{55, 60, 62}, "Gsus4/0"},    // also Csus2 in second inversion
        {{62, 67, 72}, "Csus2/1"},    // D bass: Csus2's second tone, Gsus4's third
        {{45, 48, 52, 55}, "Am7/0"},  // not C6 with its fourth tone in the bass
        {{55, 57, 60, 64}, "C6/2"},
        {{52, 60, 67, 70, 74}, "C9/0"},  // not invertible: E in the bass fits nothing
        {{60, 64, 67, 70, 74, 77, 81}, "C13/0"},
        {{48, 52, 58, 62}, "C9/0 no 5"},  // C-E-Bb-D
        {{48, 52, 58}, "C7/0 no 5"},
        {{52, 58, 60}, "C7/1 no 5"},  // E in the bass: C7's second tone
        {{58, 60, 64}, "C7/0 no 5"},  // Bb is C7's fourth tone: no inversion fits
        {{48, 51, 58, 62, 65}, "Cm11/0 no 5"},
        {{48, 52, 58, 62, 65, 69}, "C13/0 no 5"},
        {{48, 60, 72}, "none"},              // one pitch class
        {{48, 55}, "none"},                  // a bare fifth
        {{48, 49, 50}, "none"},              // a cluster
        {{48, 50, 52, 54, 56, 58}, "none"},  // the whole-tone scale
        {{}, "none"},
    };
    for (const auto& [notes, expected] : cases) {
        std::string played;
        for (int n : notes) {
            played += std::to_string(n) + " ";
        }
        EXPECT_EQ(Name(notes), expected) << played;
    }
}

// Every chord the keyboard can show is named back as itself unless another shown chord
// sounds the same pitch classes over the same bass; then it is named as one of those.
TEST(ChordNaming, EveryPlacedChordNamesItselfWhereUnique) {
    struct Shown {
        NamedChord chord;
        std::vector<int> notes;
    };
    std::map<std::pair<int, int>, std::vector<Shown>> bySound;  // (pitch set, bass) -> chords
    for (int pc = 0; pc < 12; ++pc) {
        for (ChordType t : AllChordTypes) {
            const int inversions = RowOf(t).invertible ? 3 : 1;
            for (int inv = 0; inv < inversions; ++inv) {
                const auto placed = PlaceChordTones(t, ComputeDegreeKeys(RootKeyOf(pc)),
                                                    static_cast<Inversion>(inv));
                Shown shown{{pc, t, static_cast<Inversion>(inv), false}, {}};
                int set = 0;
                int lowest = 128;
                for (const PlacedTone& tone : placed) {
                    const int note = KeyNote(tone.key, false);
                    shown.notes.push_back(note);
                    set |= 1 << (note % 12);
                    lowest = std::min(lowest, note);
                }
                bySound[{set, lowest % 12}].push_back(shown);
            }
        }
    }
    int unique = 0;
    for (const auto& [sound, chords] : bySound) {
        for (const Shown& shown : chords) {
            std::vector<int> voiced = shown.notes;
            const std::string name = Name(voiced);
            // The same chord with its bass doubled an octave down and its top note doubled
            // an octave up names the same.
            const auto [low, high] = std::minmax_element(voiced.begin(), voiced.end());
            const int doubledLow = *low - 12;
            const int doubledHigh = *high + 12;
            voiced.push_back(doubledLow);
            voiced.push_back(doubledHigh);
            EXPECT_EQ(Name(voiced), name);
            if (chords.size() == 1) {
                ++unique;
                EXPECT_EQ(name, Describe(shown.chord));
                continue;
            }
            bool amongThem = false;
            for (const Shown& other : chords) {
                amongThem = amongThem || name == Describe(other.chord);
            }
            EXPECT_TRUE(amongThem) << Describe(shown.chord) << " named " << name;
        }
    }
    EXPECT_GT(unique, 300);
}

}  // namespace
}  // namespace vorlane
