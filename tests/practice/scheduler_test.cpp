#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "practice/question_set.h"
#include "practice/scheduler.h"

namespace vorlane::testing {
namespace {

// A player on a virtual clock: some chord types always answered wrong first (then right, as
// the question stays), some right but slowly, the rest right and quick.
struct SimulatedPlayer {
    std::set<ChordType> wrong;
    std::set<ChordType> slow;
};

std::vector<ChordKey> Sit(const QuestionSet& set, const SimulatedPlayer& player, int questions,
                          std::uint32_t seed) {
    Record record;
    Scheduler scheduler(seed);
    std::vector<ChordKey> asked;
    std::int64_t clock = 0;
    for (int i = 0; i < questions; ++i) {
        const std::optional<ChordValue> next = scheduler.Next(Questions(set), record);
        if (!next) {
            break;
        }
        const ChordKey key = KeyOf(*next);
        asked.push_back(key);
        const std::int64_t ms = player.slow.contains(key.type) ? 7000 : 1500;
        clock += ms;
        bool first = true;
        if (player.wrong.contains(key.type)) {
            record.Add(key, {Drill::PlayIt, Outcome::Wrong, ms, std::nullopt});
            record.SetBox(key, Scheduler::NextBox(record.Box(key), Outcome::Wrong, true, ms));
            first = false;
        }
        record.Add(key, {Drill::PlayIt, Outcome::Right, ms, std::nullopt});
        record.SetBox(key, Scheduler::NextBox(record.Box(key), Outcome::Right, first, ms));
    }
    return asked;
}

// The mean number of questions between two askings of a chord of the type.
double MeanGap(const std::vector<ChordKey>& asked, ChordType type) {
    std::map<ChordKey, std::size_t> last;
    double sum = 0;
    int gaps = 0;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        if (asked[i].type != type) {
            continue;
        }
        if (const auto found = last.find(asked[i]); found != last.end()) {
            sum += static_cast<double>(i - found->second);
            ++gaps;
        }
        last[asked[i]] = i;
    }
    return gaps > 0 ? sum / gaps : 1e9;
}

TEST(SchedulerTest, WrongAndSlowChordsComeBackSooner) {
    const SimulatedPlayer player{{ChordType::Augmented}, {ChordType::Minor}};
    const std::vector<ChordKey> asked = Sit(QuestionSet{}, player, 600, 7);
    const double major = MeanGap(asked, ChordType::Major);
    EXPECT_LT(MeanGap(asked, ChordType::Augmented) * 2, major);
    EXPECT_LT(MeanGap(asked, ChordType::Minor) * 2, major);
    // A known chord is still asked now and then.
    EXPECT_TRUE(std::any_of(asked.begin() + 300, asked.end(),
                            [](const ChordKey& k) { return k.type == ChordType::Diminished; }));
}

TEST(SchedulerTest, OnlyTheChosenChordsNeverTwiceInARowAndEachInTurn) {
    QuestionSet sevenths;
    sevenths.whiteKeysOnly = true;
    sevenths.types = TypesOf(TypeChoice::Sevenths);
    sevenths.inversions = true;
    QuestionSet everything;
    everything.types = TypesOf(TypeChoice::All);
    for (const QuestionSet& set : {QuestionSet{}, sevenths, everything}) {
        const std::vector<ChordKey> chosen = Questions(set);
        const std::set<ChordKey> inSet(chosen.begin(), chosen.end());
        const auto size = static_cast<int>(chosen.size());
        const std::vector<ChordKey> asked = Sit(set, SimulatedPlayer{}, size * 6, 11);
        SCOPED_TRACE(size);
        EXPECT_TRUE(std::all_of(asked.begin(), asked.end(),
                                [&](const ChordKey& k) { return inSet.contains(k); }));
        EXPECT_EQ(std::adjacent_find(asked.begin(), asked.end()), asked.end());
        EXPECT_EQ(std::set<ChordKey>(asked.begin(), asked.end()).size(), chosen.size());
    }
    EXPECT_EQ(Questions(QuestionSet{}).size(), 48u);
    EXPECT_EQ(Questions(sevenths).size(), 7u * 6u * 3u);
}

TEST(SchedulerTest, TheSameSeedAsksTheSameQuestions) {
    const SimulatedPlayer player{{ChordType::Diminished}, {}};
    EXPECT_EQ(Sit(QuestionSet{}, player, 100, 3), Sit(QuestionSet{}, player, 100, 3));
    EXPECT_NE(Sit(QuestionSet{}, player, 100, 3), Sit(QuestionSet{}, player, 100, 4));
}

}  // namespace
}  // namespace vorlane::testing
