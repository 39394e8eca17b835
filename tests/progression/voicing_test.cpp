#include "progression/voicing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>

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
        ChordValue root = chords[i];
        root.inversion = Inversion::RootPosition;
        voicings.push_back(PlaceChord(root));
    }
    return voicings;
}

// Equal sizes: the best of every pairing. Unequal: the cheapest monotone path through the
// grid of note pairs, every note on it.
int BruteDistance(std::vector<int> a, std::vector<int> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    int best = std::numeric_limits<int>::max();
    if (a.size() == b.size()) {
        do {
            int sum = 0;
            for (std::size_t i = 0; i < a.size(); ++i) {
                sum += std::abs(a[i] - b[i]);
            }
            best = std::min(best, sum);
        } while (std::next_permutation(b.begin(), b.end()));
        return best;
    }
    std::function<void(std::size_t, std::size_t, int)> walk = [&](std::size_t i, std::size_t j,
                                                                  int sum) {
        sum += std::abs(a[i] - b[j]);
        if (i + 1 == a.size() && j + 1 == b.size()) {
            best = std::min(best, sum);
            return;
        }
        if (i + 1 < a.size()) {
            walk(i + 1, j, sum);
        }
        if (j + 1 < b.size()) {
            walk(i, j + 1, sum);
        }
        if (i + 1 < a.size() && j + 1 < b.size()) {
            walk(i + 1, j + 1, sum);
        }
    };
    walk(0, 0, 0);
    return best;
}

TEST(VoiceLeading, DistanceByHandAndAgainstBruteForce) {
    struct Case {
        std::vector<int> a;
        std::vector<int> b;
        int distance;
    };
    const Case cases[] = {
        {{1, 5, 8}, {8, 5, 1}, 0},           // order does not matter
        {{1, 5, 8}, {10, 6, 1}, 3},          // C to F over C
        {{3, 6, 10, 13}, {3, 6, 8, 12}, 3},  // Dm7 to G7 over D
        {{1, 5, 8}, {1, 5, 8, 11}, 3},       // C to C7: G also moves to Bb
        {{1, 5, 8, 11}, {6, 10, 13}, 10},    // C7 to F: the two low notes both go to F
        {{}, {1, 5}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VoiceLeadingDistance(c.a, c.b), c.distance);
        EXPECT_EQ(VoiceLeadingDistance(c.b, c.a), c.distance);
    }
    std::mt19937 random(18);
    std::uniform_int_distribution<int> size(1, 6);
    std::uniform_int_distribution<int> key(1, 36);
    for (int n = 0; n < 500; ++n) {
        std::vector<int> a(static_cast<std::size_t>(size(random)));
        std::vector<int> b(static_cast<std::size_t>(size(random)));
        std::generate(a.begin(), a.end(), [&] { return key(random); });
        std::generate(b.begin(), b.end(), [&] { return key(random); });
        EXPECT_EQ(VoiceLeadingDistance(a, b), BruteDistance(a, b)) << n;
    }
}

TEST(VoiceLeading, CandidatesAreEveryPlacementThatFits) {
    for (KeyNumber root = 1; root <= 12; ++root) {
        for (const ChordType type : AllChordTypes) {
            const ChordValue chord{root, Spelling::Flat, type};
            const Voicing rootPosition = PlaceChord(chord);
            const std::vector<Voicing> candidates = CandidateVoicings(chord);
            ASSERT_FALSE(candidates.empty());
            for (const Voicing& v : candidates) {
                ASSERT_EQ(v.size(), rootPosition.size());
                for (std::size_t i = 0; i < v.size(); ++i) {
                    EXPECT_EQ(v[i].degree, rootPosition[i].degree);
                    EXPECT_EQ((v[i].key - rootPosition[i].key) % 12, 0);
                    EXPECT_GE(v[i].key, kLowestKey);
                    EXPECT_LE(v[i].key, kHighestKey);
                }
                // Every octave that fits is there.
                for (const int shift : {-12, 12}) {
                    Voicing moved = v;
                    bool fits = true;
                    for (PlacedTone& tone : moved) {
                        tone.key += shift;
                        fits = fits && tone.key >= kLowestKey && tone.key <= kHighestKey;
                    }
                    const auto same = [&moved](const Voicing& w) {
                        return KeysOf(w) == KeysOf(moved);
                    };
                    EXPECT_EQ(std::any_of(candidates.begin(), candidates.end(), same), fits);
                }
            }
            const int shapes = RowOf(type).invertible ? 3 : 1;
            for (int inversion = 0; inversion < shapes; ++inversion) {
                ChordValue inverted = chord;
                inverted.inversion = static_cast<Inversion>(inversion);
                const auto same = [&inverted](const Voicing& w) {
                    return KeysOf(w) == KeysOf(PlaceChord(inverted));
                };
                EXPECT_TRUE(std::any_of(candidates.begin(), candidates.end(), same));
            }
        }
    }
}

TEST(SmoothVoicing, HandWorkedTwoFiveOne) {
    const std::vector<ChordValue> chords = {{3, Spelling::Flat, ChordType::Minor7},
                                            {8, Spelling::Flat, ChordType::Seventh},
                                            {1, Spelling::Flat, ChordType::Major7}};
    // Dm7 stays as chosen; G7 comes down to D F G B (its second inversion, an octave lower);
    // Cmaj7 then sits in root position: 3 + 3 semitones, against 21 + 27 in root positions.
    const std::vector<Voicing> expected = {
        {{1, 3}, {3, 6}, {5, 10}, {7, 13}},
        {{1, 8}, {3, 12}, {5, 3}, {7, 6}},
        {{1, 1}, {3, 5}, {5, 8}, {7, 12}},
    };
    const std::vector<Voicing> voicings = SmoothVoicings(chords);
    ASSERT_EQ(voicings.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        for (std::size_t t = 0; t < expected[i].size(); ++t) {
            EXPECT_EQ(voicings[i][t].degree, expected[i][t].degree) << i;
            EXPECT_EQ(voicings[i][t].key, expected[i][t].key) << i;
        }
    }
    EXPECT_EQ(Movement(voicings), 6);
    EXPECT_EQ(Movement(RootPositions(chords)), 48);
}

TEST(SmoothVoicing, ACircleOfFifthsStaysWithinAnOctave) {
    for (const ChordType type : {ChordType::Major, ChordType::Seventh, ChordType::Minor7}) {
        for (KeyNumber start = 1; start <= 12; ++start) {
            for (const Inversion inversion :
                 {Inversion::RootPosition, Inversion::SecondInversion}) {
                std::vector<ChordValue> chords;
                for (int step = 0; step < 12; ++step) {
                    chords.push_back({(start - 1 + 7 * step) % 12 + 1, Spelling::Flat, type,
                                      step == 0 ? inversion : Inversion::RootPosition});
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

TEST(SmoothVoicing, BestOverTheWholeListAgainstBruteForce) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<ChordValue> chords = RandomChords(2 + seed % 3, seed);
        const std::vector<Voicing> voicings = SmoothVoicings(chords);
        ASSERT_EQ(voicings.size(), chords.size());
        EXPECT_EQ(KeysOf(voicings.front()), KeysOf(PlaceChord(chords.front())));
        for (std::size_t i = 1; i < chords.size(); ++i) {
            const std::vector<Voicing> candidates = CandidateVoicings(chords[i]);
            const auto same = [&](const Voicing& w) { return KeysOf(w) == KeysOf(voicings[i]); };
            EXPECT_TRUE(std::any_of(candidates.begin(), candidates.end(), same)) << seed;
        }
        // Every combination of candidates after the first chord.
        double best = std::numeric_limits<double>::max();
        std::vector<Voicing> trial = {voicings.front()};
        std::function<void(std::size_t)> choose = [&](std::size_t row) {
            if (row == chords.size()) {
                best = std::min(best, Cost(trial));
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
        EXPECT_LE(Cost(voicings), Cost(RootPositions(chords)) + 1e-9) << seed;
    }
}

TEST(SmoothVoicing, LongListsMoveLessThanRootPositions) {
    for (unsigned seed = 100; seed < 110; ++seed) {
        const std::vector<ChordValue> chords = RandomChords(200, seed);
        const std::vector<Voicing> voicings = SmoothVoicings(chords);
        EXPECT_LT(Movement(voicings), Movement(RootPositions(chords))) << seed;
    }
    EXPECT_TRUE(SmoothVoicings({}).empty());
}

}  // namespace
}  // namespace vorlane
