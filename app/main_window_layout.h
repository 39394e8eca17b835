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

inline constexpr std::array<ChordType, kChordTypeCount> kVariationCreation = {
    16, 19, 10, 12, 2, 8, 9, 13, 3, 0, 4, 1, 7, 15, 17, 20, 11, 5, 14, 18, 21, 6, 22, 23};
inline constexpr int kVariationTop = 32;
inline constexpr int kVariationStep = 18;

constexpr int VariationButtonWidth(ChordType t) {
    return (t == 2 || t == 8 || t == 9 || t == 13) ? 105 : 113;
}

inline constexpr std::string_view kInfoHint =
    "Click this button for more info on the 'Vorlane' program.";
inline constexpr std::string_view kSaveHint =
    "Click this button to save the memorized chords to a file. Default Folder: ~/PianoChords";
inline constexpr std::string_view kRememberHint =
    "Click this button to remember the current chord.";

inline constexpr std::string_view kAboutNotice = "\u00a9 2026 The Vorlane developers";

}  // namespace vorlane
