#pragma once

#include <array>
#include <string_view>

#include "theory/chord_types.h"

// Creation order and geometry of the main window's repeated controls.
namespace vorlane {

struct MarkerCreation {
    int degree;
    int left;
    int top;
};

// Key markers are created off to the right, hidden, until a chord places them.
inline constexpr std::array<MarkerCreation, 10> kMarkerCreation = {{
    {1, 607, 80},
    {13, 586, 128},
    {2, 620, 128},
    {3, 638, 80},
    {4, 654, 128},
    {5, 669, 80},
    {6, 688, 128},
    {7, 519, 128},
    {9, 534, 80},
    {11, 552, 128},
}};

// Root buttons by pitch class, created in the alphabetical order of their captions.
inline constexpr std::array<int, 12> kFlatRootCreation = {9, 8, 11, 10, 0, 2, 1, 4, 3, 5, 7, 6};
inline constexpr std::array<int, 12> kSharpRootCreation = {9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr int kRootButtonTop = 64;
inline constexpr int kRootButtonStep = 18;

// The order in which the variation buttons are created. Where a button stands follows from
// its type's number: 0..11 down the first column, 12..23 down the second.
inline constexpr std::array<ChordType, kChordTypeCount> kVariationCreation = {
    ChordType::Eleventh,    ChordType::Thirteenth,  ChordType::Sixth,       ChordType::SixNine,
    ChordType::Seventh,     ChordType::SevenFlat5,  ChordType::SevenSharp5, ChordType::Ninth,
    ChordType::Augmented,   ChordType::Major,       ChordType::Diminished,  ChordType::Minor,
    ChordType::MinorMajor7, ChordType::MinorMajor9, ChordType::Minor11,     ChordType::Minor13,
    ChordType::Minor6,      ChordType::Minor7,      ChordType::Minor9,      ChordType::Major11,
    ChordType::Major13,     ChordType::Major7,      ChordType::Sus2,        ChordType::Sus4};
inline constexpr int kVariationTop = 32;
inline constexpr int kVariationStep = 18;

constexpr int VariationButtonWidth(ChordType t) {
    switch (t) {
        case ChordType::Seventh:
        case ChordType::SevenFlat5:
        case ChordType::SevenSharp5:
        case ChordType::Ninth:
            return 105;
        default:
            return 113;
    }
}

inline constexpr std::string_view kInfoHint =
    "Click this button for more info on the 'Vorlane' program.";
inline constexpr std::string_view kSaveHint =
    "Click this button to save the memorized chords to a file. Default Folder: ~/PianoChords";
inline constexpr std::string_view kRememberHint =
    "Click this button to remember the current chord.";
inline constexpr std::string_view kPracticeHint =
    "Click this button to practise playing and naming chords.";

inline constexpr std::string_view kAboutNotice = "\u00a9 2026 The Vorlane developers";

}  // namespace vorlane
