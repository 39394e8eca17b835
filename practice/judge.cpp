#include "practice/judge.h"

#include <algorithm>

#include "midi/midi_out.h"

namespace vorlane {

namespace {

constexpr int kPitchClasses = 12;

bool Has(PitchClasses set, int pitchClass) {
    return (set >> pitchClass) & 1u;
}

// The first note of the pitch class at or above the note.
int AtOrAbove(int note, int pitchClass) {
    return note + PitchClassOf(pitchClass - note);
}

}  // namespace

std::vector<int> PlacedNotes(const ChordValue& chord) {
    std::vector<int> notes;
    for (const PlacedTone& tone : PlaceChord(chord)) {
        notes.push_back(KeyNote(tone.key, false));
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

PlayJudgement JudgePlayed(const ChordValue& question, bool bassMatters,
                          std::span<const int> heldNotes) {
    std::vector<int> held(heldNotes.begin(), heldNotes.end());
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());

    const ChordKey key = KeyOf(question);
    const PitchClasses wanted = PitchClassesOf(key.type, key.root);
    const int bass = BassPitchClass(key);
    PlayJudgement judgement;
    judgement.played = NameChord(held);
    if (held.empty()) {
        judgement.missingNotes = PlacedNotes(question);
        return judgement;
    }

    const int lowest = held.front();
    for (int note : held) {
        if (!Has(wanted, PitchClassOf(note))) {
            judgement.wrongNotes.push_back(note);
        }
    }
    const PitchClasses have = PitchClassesOf(held);
    const bool bassHeld = Has(have, bass);
    const bool bassWrong = bassMatters && bassHeld && PitchClassOf(lowest) != bass;
    for (int pc = 0; pc < kPitchClasses; ++pc) {
        if (!Has(wanted, pc) || Has(have, pc)) {
            continue;
        }
        // An absent bass belongs under the held notes; the other tones above the lowest one.
        const bool below = bassMatters && pc == bass;
        judgement.missingNotes.push_back(below ? AtOrAbove(lowest, pc) - kPitchClasses
                                               : AtOrAbove(lowest, pc));
    }
    if (bassWrong) {
        judgement.wrongNotes.insert(judgement.wrongNotes.begin(), lowest);
        judgement.missingNotes.push_back(AtOrAbove(lowest, bass) - kPitchClasses);
    }
    std::sort(judgement.missingNotes.begin(), judgement.missingNotes.end());

    if (judgement.wrongNotes.empty()) {
        judgement.verdict = judgement.missingNotes.empty() ? Verdict::Right : Verdict::Incomplete;
    }
    return judgement;
}

bool JudgeNamed(const ChordKey& question, ChordType namedType, std::optional<int> namedRoot) {
    const PitchClasses heard = PitchClassesOf(question.type, question.root);
    if (namedRoot) {
        return PitchClassesOf(namedType, *namedRoot) == heard;
    }
    for (int root = 0; root < kPitchClasses; ++root) {
        if (PitchClassesOf(namedType, root) == heard) {
            return true;
        }
    }
    return false;
}

}  // namespace vorlane
