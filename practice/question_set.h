#pragma once

#include <bitset>
#include <string_view>
#include <vector>

#include "practice/question.h"
#include "settings/settings_store.h"

namespace vorlane {

using ChordTypes = std::bitset<kChordTypeCount>;

// The quick choices of chord types.
enum class TypeChoice { Triads, Sevenths, All };
ChordTypes TypesOf(TypeChoice choice);

// What the player chose to be asked.
struct QuestionSet {
    bool whiteKeysOnly = false;  // roots: the seven white keys, or all twelve
    ChordTypes types = TypesOf(TypeChoice::Triads);
    bool inversions = false;  // off: root position only
    bool nameRoot = false;    // naming a chord heard: its root as well as its type

    friend bool operator==(const QuestionSet&, const QuestionSet&) = default;
};

// Every chord of the set: each root with each type, and with inversions on each inversion
// of the types that have them.
std::vector<ChordKey> Questions(const QuestionSet& set);

// Whether the lowest note must be the asked inversion's bass.
bool BassMatters(const QuestionSet& set, ChordType type);

// The settings values the set is kept in; none of them is one of the main window's.
inline constexpr std::string_view PracticeRootsValueName = "OefenGrondtonen";
inline constexpr std::string_view PracticeTypesValueName = "OefenAkkoorden";
inline constexpr std::string_view PracticeInversionsValueName = "OefenOmkeringen";
inline constexpr std::string_view PracticeNameRootValueName = "OefenGrondtoonNoemen";

// Missing or unknown values fall back to the default set.
QuestionSet ReadQuestionSet(SettingsStore& store);
void StoreQuestionSet(SettingsStore& store, const QuestionSet& set);

}  // namespace vorlane
