#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace vorlane::testing {

// What each chord type must sound like, written out by hand as intervals above the root and
// as the notes on C: an expectation independent of how the type table encodes its tones.
struct ExpectedChord {
    std::string_view typeName;
    std::vector<int> semitones;
    std::string_view notesOnC;  // flat spelling
};

inline const std::array<ExpectedChord, 24>& ExpectedChords() {
    static const std::array<ExpectedChord, 24> chords = {{
        {"Major", {0, 4, 7}, "C - E - G"},
        {"Minor", {0, 3, 7}, "C - Eb - G"},
        {"Seventh", {0, 4, 7, 10}, "C - E - G - Bb"},
        {"Augmented", {0, 4, 8}, "C - E - Ab"},
        {"Diminished", {0, 3, 6}, "C - Eb - Gb"},
        {"Minor7", {0, 3, 7, 10}, "C - Eb - G - Bb"},
        {"Major7", {0, 4, 7, 11}, "C - E - G - B"},
        {"MinorMajor7", {0, 3, 7, 11}, "C - Eb - G - B"},
        {"SevenFlat5", {0, 4, 6, 10}, "C - E - Gb - Bb"},
        {"SevenSharp5", {0, 4, 8, 10}, "C - E - Ab - Bb"},
        {"Sixth", {0, 4, 7, 9}, "C - E - G - A"},
        {"Minor6", {0, 3, 7, 9}, "C - Eb - G - A"},
        {"SixNine", {0, 4, 7, 9, 14}, "C - E - G - A - D"},
        {"Ninth", {0, 4, 7, 10, 14}, "C - E - G - Bb - D"},
        {"Minor9", {0, 3, 7, 10, 14}, "C - Eb - G - Bb - D"},
        {"MinorMajor9", {0, 3, 7, 11, 14}, "C - Eb - G - B - D"},
        {"Eleventh", {0, 4, 7, 10, 14, 17}, "C - E - G - Bb - D - F"},
        {"Minor11", {0, 3, 7, 10, 14, 17}, "C - Eb - G - Bb - D - F"},
        {"Major11", {0, 4, 7, 11, 14, 17}, "C - E - G - B - D - F"},
        {"Thirteenth", {0, 4, 7, 10, 14, 17, 21}, "C - E - G - Bb - D - F - A"},
        {"Minor13", {0, 3, 7, 10, 14, 17, 21}, "C - Eb - G - Bb - D - F - A"},
        {"Major13", {0, 4, 7, 11, 14, 17, 21}, "C - E - G - B - D - F - A"},
        {"Sus2", {0, 2, 7}, "C - D - G"},
        {"Sus4", {0, 5, 7}, "C - F - G"},
    }};
    return chords;
}

// The extended chords (sixth-ninth up to the thirteenths) are always played in root position.
inline bool ExpectInvertible(int type) {
    return type < 12 || type > 21;
}

}  // namespace vorlane::testing
