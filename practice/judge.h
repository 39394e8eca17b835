#pragma once

#include <optional>
#include <span>
#include <vector>

#include "practice/question.h"
#include "theory/chord_naming.h"

namespace vorlane {

enum class Verdict {
    Right,
    Wrong,
    // Only tones of the chord, but not all of them yet: a player still finding the keys.
    Incomplete,
};

// How a set of held notes answers a question to play a chord. The wrong notes are held notes
// outside the chord (and a held lowest note that is not the asked bass); the missing notes are
// where the absent tones would go next to what is held, the bass just below it.
struct PlayJudgement {
    Verdict verdict = Verdict::Wrong;
    std::vector<int> wrongNotes;
    std::vector<int> missingNotes;
    std::optional<NamedChord> played;  // what the held notes name, if anything
};

// Right when the held pitch classes are exactly the chord's, in any octave and with any
// doublings, and, when the bass matters, the lowest note is the inversion's bass.
PlayJudgement JudgePlayed(const ChordValue& question, bool bassMatters,
                          std::span<const int> heldNotes);

// A named chord is right when it sounds the same: the type (and the root, when named) gives
// the question's pitch classes, so a C6 heard may be named Am7.
bool JudgeNamed(const ChordKey& question, ChordType namedType, std::optional<int> namedRoot);

// The MIDI notes of the chord as the keyboard places it, lowest first.
std::vector<int> PlacedNotes(const ChordValue& chord);

}  // namespace vorlane
