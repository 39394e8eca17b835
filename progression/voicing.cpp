#include "progression/voicing.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace vorlane {

namespace {

constexpr int kOctave = 12;

// Costs are kept in whole numbers so that ties are exact: one semitone of movement is 840,
// and 420 times a mean of 3 to 7 keys is a whole number.
constexpr std::int64_t kCentreScale = 420;
constexpr std::int64_t kMoveScale = 2 * kCentreScale;
static_assert(kMaxChordTones <= 7, "420 must be a multiple of every chord size");

int SortedDistance(std::span<const KeyNumber> a, std::span<const KeyNumber> b) {
    if (a.empty() || b.empty()) {
        return 0;
    }
    if (a.size() == b.size()) {
        int sum = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            sum += std::abs(a[i] - b[i]);
        }
        return sum;
    }
    // D(i, j) over the sorted notes, one row at a time; chords hold at most a handful of notes.
    const std::size_t width = b.size();
    std::vector<int> previous(width);
    std::vector<int> current(width);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < width; ++j) {
            int best = 0;
            if (i > 0 || j > 0) {
                best = std::numeric_limits<int>::max();
                if (i > 0) {
                    best = std::min(best, previous[j]);
                }
                if (j > 0) {
                    best = std::min(best, current[j - 1]);
                }
                if (i > 0 && j > 0) {
                    best = std::min(best, previous[j - 1]);
                }
            }
            current[j] = std::abs(a[i] - b[j]) + best;
        }
        std::swap(previous, current);
    }
    return previous[width - 1];
}

// A candidate as the search sees it: its sorted keys and its scaled centre.
struct Candidate {
    Voicing voicing;
    std::vector<KeyNumber> sortedKeys;
    std::int64_t centre = 0;
};

Candidate Prepared(Voicing voicing) {
    Candidate candidate;
    candidate.sortedKeys = KeysOf(voicing);
    std::sort(candidate.sortedKeys.begin(), candidate.sortedKeys.end());
    std::int64_t sum = 0;
    for (KeyNumber key : candidate.sortedKeys) {
        sum += key;
    }
    const auto size = static_cast<std::int64_t>(candidate.sortedKeys.size());
    candidate.centre = size > 0 ? sum * kCentreScale / size : 0;
    candidate.voicing = std::move(voicing);
    return candidate;
}

}  // namespace

std::vector<KeyNumber> KeysOf(const Voicing& voicing) {
    std::vector<KeyNumber> keys;
    keys.reserve(voicing.size());
    for (const PlacedTone& tone : voicing) {
        keys.push_back(tone.key);
    }
    return keys;
}

int VoiceLeadingDistance(std::span<const KeyNumber> a, std::span<const KeyNumber> b) {
    std::vector<KeyNumber> sortedA(a.begin(), a.end());
    std::vector<KeyNumber> sortedB(b.begin(), b.end());
    std::sort(sortedA.begin(), sortedA.end());
    std::sort(sortedB.begin(), sortedB.end());
    return SortedDistance(sortedA, sortedB);
}

std::vector<Voicing> CandidateVoicings(const ChordValue& chord) {
    const DegreeKeys degreeKeys = ComputeDegreeKeys(chord.root);
    const int inversions = RowOf(chord.type).invertible ? 3 : 1;
    std::vector<Voicing> candidates;
    for (int inversion = 0; inversion < inversions; ++inversion) {
        const Voicing base =
            PlaceChordTones(chord.type, degreeKeys, static_cast<Inversion>(inversion));
        const auto [low, high] = std::minmax_element(
            base.begin(), base.end(),
            [](const PlacedTone& x, const PlacedTone& y) { return x.key < y.key; });
        // Whole octaves that keep the lowest key at or above 1 and the highest at or below 36.
        for (int shift = -((low->key - kLowestKey) / kOctave) * kOctave;
             high->key + shift <= kHighestKey; shift += kOctave) {
            Voicing moved = base;
            for (PlacedTone& tone : moved) {
                tone.key += shift;
            }
            candidates.push_back(std::move(moved));
        }
    }
    return candidates;
}

std::vector<Voicing> SmoothVoicings(std::span<const ChordValue> chords) {
    if (chords.empty()) {
        return {};
    }
    std::vector<std::vector<Candidate>> rows;
    rows.reserve(chords.size());
    rows.push_back({Prepared(PlaceChord(chords.front()))});
    for (std::size_t i = 1; i < chords.size(); ++i) {
        std::vector<Candidate> row;
        for (Voicing& voicing : CandidateVoicings(chords[i])) {
            row.push_back(Prepared(std::move(voicing)));
        }
        rows.push_back(std::move(row));
    }
    const std::int64_t home = rows.front().front().centre;
    auto pull = [home](const Candidate& c) { return std::abs(c.centre - home); };
    // Of two equal costs the one nearer home wins, then the earlier candidate.
    auto better = [&pull](std::int64_t cost, const Candidate& c, std::int64_t bestCost,
                          const Candidate* best) {
        return best == nullptr || cost < bestCost || (cost == bestCost && pull(c) < pull(*best));
    };

    // Viterbi: the cheapest way to reach each candidate of each row, and where it came from.
    std::vector<std::int64_t> reach = {0};
    std::vector<std::vector<std::size_t>> from(rows.size());
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<Candidate>& before = rows[i - 1];
        std::vector<std::int64_t> next(rows[i].size());
        from[i].resize(rows[i].size());
        for (std::size_t c = 0; c < rows[i].size(); ++c) {
            const Candidate& candidate = rows[i][c];
            const Candidate* best = nullptr;
            std::int64_t bestCost = 0;
            for (std::size_t p = 0; p < before.size(); ++p) {
                const std::int64_t cost =
                    reach[p] +
                    kMoveScale * SortedDistance(before[p].sortedKeys, candidate.sortedKeys);
                if (better(cost, before[p], bestCost, best)) {
                    best = &before[p];
                    bestCost = cost;
                    from[i][c] = p;
                }
            }
            next[c] = bestCost + pull(candidate);
        }
        reach = std::move(next);
    }

    std::size_t chosen = 0;
    for (std::size_t c = 1; c < reach.size(); ++c) {
        if (better(reach[c], rows.back()[c], reach[chosen], &rows.back()[chosen])) {
            chosen = c;
        }
    }
    std::vector<Voicing> voicings(rows.size());
    for (std::size_t i = rows.size(); i-- > 0;) {
        voicings[i] = std::move(rows[i][chosen].voicing);
        if (i > 0) {
            chosen = from[i][chosen];
        }
    }
    return voicings;
}

}  // namespace vorlane
