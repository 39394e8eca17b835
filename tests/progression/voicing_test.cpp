#include "progression/voicing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <set>

#include "tests/support/random_chords.h"

namespace vorlane {
namespace {

using testing::RandomChords;

double Centre(const Voicing& v) {
    double sum = 0;
    for (const PlacedTone& tone : v) {
        sum += tone.key;
    }
    return sum / static_cast<double>(v.size());
}

int Movement(const std::vector<Voicing>& voicings) {
    int total = 0;
    for (std::size_t i = 1; i < voicings.size(); ++i) {
        total += VoiceLeadingDistance(KeysOf(voicings[i - 1]), KeysOf(voicings[i]));
    }
    return total;
}

// What the search minimises, in plain floating point.
double Cost(const std::vector<Voicing>& voicings) {
    double pull = 0;
    for (const Voicing& v : voicings) {
        pull += 0.5 * std::abs(Centre(v) - Centre(voicings.front()));
    }
    return Movement(voicings) + pull;
}

std::vector<Voicing> RootPositions(const std::vector<ChordValue>& chords) {
    std::vector<Voicing> voicings = {PlaceChord(chords.front())};
    for (std::size_t i = 1; i < chords.size(); ++i) {
        voicings.push_back(PlaceChord({chords[i].root, chords[i].spelling, chords[i].type}));
    }
    return voicings;
}

// Equal sizes: the best of every pairing. Unequal: the cheapest path through the grid of note
// pairs that steps right, down or both and visits every row and column.
int BruteDistance(std::vector<int> a, std::vector<int> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    int best = std::numeric_limits<int>::max();
    std::function<void(std::size_t, std::size_t, int)> walk = [&](std::size_t i, std::size_t j,
                                                                  int sum) {
        sum += std::abs(a[i] - b[j]);
        if (i + 1 == a.size() && j + 1 == b.size()) {
            best = std::min(best, sum);
        }
        for (const auto& [di, dj] : {std::pair{1U, 0U}, {0U, 1U}, {1U, 1U}}) {
            if (i + di < a.size() && j + dj < b.size()) {
                walk(i + di, j + dj, sum);
            }
        }
    };
    if (a.size() != b.size()) {
        walk(0, 0, 0);
        return best;
    }
    do {
        int sum = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            sum += std::abs(a[i] - b[i]);
        }
        best = std::min(best, sum);
    } while (std::next_permutation(b.begin(), b.end()));
    return best;
}

TEST(VoiceLeading, DistanceAgainstBruteForce) {
    EXPECT_EQ(VoiceLeadingDistance({}, std::vector<KeyNumber>{1, 5}), 0);
    std::mt19937 random(18);
    std::uniform_int_distribution<int> size(1, 6);
    std::uniform_int_distribution<int> key(1, 36);
    for (int n = 0; n < 500; ++n) {
        std::vector<int> a(static_cast<std::size_t>(size(random)));
        std::vector<int> b(static_cast<std::size_t>(size(random)));
        std::generate(a.begin(), a.end(), [&] { return key(random); });
        std::generate(b.begin(), b.end(), [&] { return key(random); });
        EXPECT_EQ(VoiceLeadingDistance(a, b), BruteDistance(a, b)) << n;
        EXPECT_EQ(VoiceLeadingDistance(b, a), BruteDistance(a, b)) << n;
    }
}

// Each keeps the chord's tones and their degrees on the keyboard; each inversion as the window
// places it is one, and so is every candidate moved an octave where that still fits.
TEST(VoiceLeading, CandidatesAreTheInversionsAtEveryOctaveThatFits) {
    for (KeyNumber root = 1; root <= 12; ++root) {
        for (const ChordType type : AllChordTypes) {
            const Voicing rootPosition = PlaceChord({root, Spelling::Flat, type});
            std::set<std::vector<KeyNumber>> placements;
            for (const Voicing& v : CandidateVoicings({root, Spelling::Flat, type})) {
                ASSERT_EQ(v.size(), rootPosition.size());
                for (std::size_t i = 0; i < v.size(); ++i) {
                    EXPECT_EQ(v[i].degree, rootPosition[i].degree);
                    EXPECT_EQ((v[i].key - rootPosition[i].key) % 12, 0);
                    EXPECT_TRUE(v[i].key >= kLowestKey && v[i].key <= kHighestKey);
                }
                EXPECT_TRUE(placements.insert(KeysOf(v)).second) << "each once";
            }
            for (int inversion = 0; inversion < (RowOf(type).invertible ? 3 : 1); ++inversion) {
                EXPECT_EQ(placements.count(KeysOf(
                              PlaceChord({root, Spelling::Flat, type, Inversion(inversion)}))),
                          1U);
            }
            for (const std::vector<KeyNumber>& keys : placements) {
                for (const int shift : {-12, 12}) {
                    std::vector<KeyNumber> moved = keys;
                    bool fits = true;
                    for (KeyNumber& key : moved) {
                        key += shift;
                        fits = fits && key >= kLowestKey && key <= kHighestKey;
                    }
                    EXPECT_EQ(placements.count(moved), fits ? 1U : 0U) << root << " " << shift;
                }
            }
        }
    }
}

TEST(SmoothVoicing, HandWorkedTwoFiveOne) {
    const std::vector<ChordValue> chords = {{3, Spelling::Flat, ChordType::Minor7},
                                            {8, Spelling::Flat, ChordType::Seventh},
                                            {1, Spelling::Flat, ChordType::Major7}};
    // Dm7 stays as chosen (D F A C); G7 comes down to D F G B, its second inversion an octave
    // lower; Cmaj7 then sits in root position: 3 + 3 semitones, against 21 + 27 in root
    // positions. Keys in table order: the root's first, so degrees stay with their keys.
    const std::vector<std::vector<KeyNumber>> expected = {
        {3, 6, 10, 13}, {8, 12, 3, 6}, {1, 5, 8, 12}};
    const std::vector<Voicing> voicings = SmoothVoicings(chords);
    ASSERT_EQ(voicings.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(KeysOf(voicings[i]), expected[i]) << i;
        EXPECT_EQ(voicings[i][2].degree, 5);
    }
    EXPECT_EQ(Movement(voicings), 6);
    EXPECT_EQ(Movement(RootPositions(chords)), 48);
}

TEST(SmoothVoicing, ACircleOfFifthsStaysWithinAnOctave) {
    for (const ChordType type : {ChordType::Major, ChordType::Seventh, ChordType::Minor7}) {
        for (KeyNumber start = 1; start <= 12; ++start) {
            for (const Inversion inversion :
                 {Inversion::RootPosition, Inversion::SecondInversion}) {
                std::vector<ChordValue> chords = {{start, Spelling::Flat, type, inversion}};
                for (int step = 1; step < 12; ++step) {
                    chords.push_back({(start - 1 + 7 * step) % 12 + 1, Spelling::Flat, type});
                }
                const std::vector<Voicing> voicings = SmoothVoicings(chords);
                for (const Voicing& v : voicings) {
                    EXPECT_LE(std::abs(Centre(v) - Centre(voicings.front())), 12.0)
                        << RowOf(type).typeName << " from " << start;
                }
                EXPECT_LT(Movement(voicings), Movement(RootPositions(chords)));
            }
        }
    }
}

// The pull may trade a semitone of movement for a register nearer the start, so it is the
// cost, not the movement alone, that never exceeds root positions'. Of equal costs, the one
// ending nearer the start wins.
TEST(SmoothVoicing, BestOverTheWholeListAgainstBruteForce) {
    const auto away = [](const std::vector<Voicing>& v) {
        return std::abs(Centre(v.back()) - Centre(v.front()));
    };
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<ChordValue> chords = RandomChords(2 + seed % 3, seed);
        const std::vector<Voicing> voicings = SmoothVoicings(chords);
        ASSERT_EQ(voicings.size(), chords.size());
        EXPECT_EQ(KeysOf(voicings.front()), KeysOf(PlaceChord(chords.front())));
        double best = std::numeric_limits<double>::max();
        double nearest = 0;  // of the best
        std::vector<Voicing> trial = {voicings.front()};
        std::function<void(std::size_t)> choose = [&](std::size_t row) {
            if (row == chords.size()) {
                const double cost = Cost(trial);
                if (cost < best + 1e-9) {
                    nearest = cost < best - 1e-9 ? away(trial) : std::min(nearest, away(trial));
                    best = std::min(best, cost);
                }
                return;
            }
            for (const Voicing& v : CandidateVoicings(chords[row])) {
                trial.push_back(v);
                choose(row + 1);
                trial.pop_back();
            }
        };
        choose(1);
        EXPECT_NEAR(Cost(voicings), best, 1e-9) << seed;
        EXPECT_NEAR(away(voicings), nearest, 1e-9) << seed;
        EXPECT_LE(Cost(voicings), Cost(RootPositions(chords)) + 1e-9) << seed;
    }
    for (unsigned seed = 100; seed < 110; ++seed) {
        const std::vector<ChordValue> chords = RandomChords(200, seed);
        EXPECT_LT(Movement(SmoothVoicings(chords)), Movement(RootPositions(chords))) << seed;
    }
    EXPECT_TRUE(SmoothVoicings({}).empty());
}

}  // namespace
}  // namespace vorlane
