#include "theory/chord_naming.h"

#include <array>
#include <cstdint>

#include "theory/scale.h"

namespace vorlane {

namespace {

using PitchSet = std::uint16_t;  // bit p set: pitch class p sounds
constexpr int kPitchClasses = 12;
constexpr PitchSet kAllPitches = (1u << kPitchClasses) - 1;

int PitchClassOf(const ChordTone& tone) {
    const int semitones =
        MajorScaleOffsets[static_cast<std::size_t>(tone.degree)] + tone.alteration;
    return ((semitones % kPitchClasses) + kPitchClasses) % kPitchClasses;
}

bool IsPerfectFifth(const ChordTone& tone) {
    return tone.degree == 5 && tone.alteration == 0;
}

// Each type's pitch classes above a root on C, with and without its perfect fifth; the
// fifth-less set is 0 where the type cannot drop a fifth (fewer than four tones, or none).
struct TypeShape {
    PitchSet full = 0;
    PitchSet withoutFifth = 0;
    std::array<int, 3> leadingTones{};  // pitch classes of the first three tones
};

std::array<TypeShape, kChordTypeCount> BuildShapes() {
    std::array<TypeShape, kChordTypeCount> shapes{};
    for (std::size_t t = 0; t < shapes.size(); ++t) {
        const ChordTypeRow& row = ChordTypeTable[t];
        PitchSet full = 0;
        PitchSet others = 0;
        bool hasFifth = false;
        for (int i = 0; i < row.toneCount; ++i) {
            const ChordTone& tone = row.tones[static_cast<std::size_t>(i)];
            const PitchSet bit = static_cast<PitchSet>(1u << PitchClassOf(tone));
            full |= bit;
            if (IsPerfectFifth(tone)) {
                hasFifth = true;
            } else {
                others |= bit;
            }
            if (i < 3) {
                shapes[t].leadingTones[static_cast<std::size_t>(i)] = PitchClassOf(tone);
            }
        }
        shapes[t].full = full;
        shapes[t].withoutFifth = (hasFifth && row.toneCount >= 4) ? others : 0;
    }
    return shapes;
}

const std::array<TypeShape, kChordTypeCount>& Shapes() {
    static const std::array<TypeShape, kChordTypeCount> shapes = BuildShapes();
    return shapes;
}

// The set moved down by root semitones, so that a chord on that root lines up with the shapes.
PitchSet Transposed(PitchSet set, int root) {
    const unsigned wide = set;
    return static_cast<PitchSet>(((wide >> root) | (wide << (kPitchClasses - root))) & kAllPitches);
}

// Bass ranks, best first: the root, the second tone (first inversion), the third (second
// inversion), anything else (shown in root position).
constexpr int kNoInversionRank = 3;

std::optional<NamedChord> Best(PitchSet played, int bass, bool fifthOmitted) {
    std::optional<NamedChord> best;
    int bestRank = 0;
    for (int step = 0; step < kPitchClasses; ++step) {
        const int root = (bass + step) % kPitchClasses;
        const PitchSet shape = Transposed(played, root);
        const int bassFromRoot = (bass - root + kPitchClasses) % kPitchClasses;
        for (ChordType t : AllChordTypes) {
            const TypeShape& type = Shapes()[static_cast<std::size_t>(NumberOf(t))];
            if (shape != (fifthOmitted ? type.withoutFifth : type.full)) {
                continue;
            }
            int rank = kNoInversionRank;
            if (bassFromRoot == 0) {
                rank = 0;
            } else if (RowOf(t).invertible) {
                if (bassFromRoot == type.leadingTones[1]) {
                    rank = 1;
                } else if (bassFromRoot == type.leadingTones[2]) {
                    rank = 2;
                }
            }
            // Steps and types are visited in rising order: only a better bass wins later.
            if (!best || rank < bestRank) {
                const Inversion inversion = rank == kNoInversionRank ? Inversion::RootPosition
                                                                     : static_cast<Inversion>(rank);
                best = NamedChord{root, t, inversion, fifthOmitted};
                bestRank = rank;
            }
        }
    }
    return best;
}

}  // namespace

std::optional<NamedChord> NameChord(std::span<const int> midiNotes) {
    if (midiNotes.empty()) {
        return std::nullopt;
    }
    PitchSet played = 0;
    int lowest = midiNotes.front();
    for (int note : midiNotes) {
        played |=
            static_cast<PitchSet>(1u << (((note % kPitchClasses) + kPitchClasses) % kPitchClasses));
        lowest = note < lowest ? note : lowest;
    }
    const int bass = ((lowest % kPitchClasses) + kPitchClasses) % kPitchClasses;
    if (std::optional<NamedChord> exact = Best(played, bass, false)) {
        return exact;
    }
    return Best(played, bass, true);
}

}  // namespace vorlane
