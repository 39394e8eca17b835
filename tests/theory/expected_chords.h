#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace vorlane::testing {

// What each chord type must sound like, written out by hand as intervals above the root: an
// expectation independent of how the type table encodes its tones as degrees.
struct ExpectedChord {
    std::string_view typeName;
    std::vector<int> semitones;
};

inline const std::array<ExpectedChord, 24>& ExpectedChords() {
    static const std::array<ExpectedChord, 24> chords = {{
        {"Major", {0, 4, 7}},
        {"Minor", {0, 3, 7}},
        {"Seventh", {0, 4, 7, 10}},
        {"Augmented", {0, 4, 8}},
        {"Diminished", {0, 3, 6}},
        {"Minor7", {0, 3, 7, 10}},
        {"Major7", {0, 4, 7, 11}},
        {"MinorMajor7", {0, 3, 7, 11}},
        {"SevenFlat5", {0, 4, 6, 10}},
        {"SevenSharp5", {0, 4, 8, 10}},
        {"Sixth", {0, 4, 7, 9}},
        {"Minor6", {0, 3, 7, 9}},
        {"SixNine", {0, 4, 7, 9, 14}},
        {"Ninth", {0, 4, 7, 10, 14}},
        {"Minor9", {0, 3, 7, 10, 14}},
        {"MinorMajor9", {0, 3, 7, 11, 14}},
        {"Eleventh", {0, 4, 7, 10, 14, 17}},
        {"Minor11", {0, 3, 7, 10, 14, 17}},
        {"Major11", {0, 4, 7, 11, 14, 17}},
        {"Thirteenth", {0, 4, 7, 10, 14, 17, 21}},
        {"Minor13", {0, 3, 7, 10, 14, 17, 21}},
        {"Major13", {0, 4, 7, 11, 14, 17, 21}},
        {"Sus2", {0, 2, 7}},
        {"Sus4", {0, 5, 7}},
    }};
    return chords;
}

// The extended chords (sixth-ninth up to the thirteenths) are always played in root position.
inline bool ExpectInvertible(int type) {
    return type < 12 || type > 21;
}

}  // namespace vorlane::testing
