#include <gtest/gtest.h>

#include "practice/question_set.h"
#include "practice/record_keeper.h"
#include "practice/results_text.h"
#include "tests/support/memory_record_files.h"
#include "tests/support/memory_settings_store.h"

namespace vorlane::testing {
namespace {

constexpr ChordKey kC{0, ChordType::Major};
constexpr ChordKey kEAug{4, ChordType::Augmented};
constexpr ChordKey kGm7Second{7, ChordType::Minor7, Inversion::SecondInversion};

AnswerEntry Played(Outcome outcome, std::int64_t ms, std::optional<Answered> answered = {}) {
    return {Drill::PlayIt, outcome, ms, answered};
}
AnswerEntry Named(Outcome outcome, std::int64_t ms, std::optional<Answered> answered = {}) {
    return {Drill::NameIt, outcome, ms, answered};
}

Record SampleRecord() {
    Record record;
    record.Add(kC, Played(Outcome::Right, 1200, Answered{0, ChordType::Major}));
    record.Add(kC, Named(Outcome::Right, 3000, Answered{-1, ChordType::Major}));
    record.SetBox(kC, 2);
    record.Add(kEAug, Named(Outcome::Wrong, 2500, Answered{-1, ChordType::Major}));
    record.Add(kEAug, Named(Outcome::Wrong, 1800, Answered{4, ChordType::Major}));
    record.Add(kEAug, Played(Outcome::Wrong, 900));
    record.Add(kEAug, Named(Outcome::Right, 4100, Answered{-1, ChordType::Augmented}));
    record.Add(kGm7Second, Played(Outcome::Shown, 8000));
    return record;
}

TEST(RecordTest, TextRoundTrip) {
    const Record record = SampleRecord();
    const std::string text = RecordText(record);
    EXPECT_EQ(text,
              "Vorlane practice record 1\n"
              "chord 0 Major 0 box 2\n"
              "answer play right 1200 0 Major\n"
              "answer name right 3000 - Major\n"
              "chord 4 Augmented 0 box 0\n"
              "answer name wrong 2500 - Major\n"
              "answer name wrong 1800 4 Major\n"
              "answer play wrong 900 none\n"
              "answer name right 4100 - Augmented\n"
              "chord 7 Minor7 2 box 0\n"
              "answer play shown 8000 none\n");
    EXPECT_EQ(ParseRecord(text), record);
    EXPECT_EQ(ParseRecord("Vorlane practice record 1\n"), Record{});
}

TEST(RecordTest, AnythingButAWholeRecordIsRefused) {
    const std::string header = "Vorlane practice record 1\n";
    const std::string chord = "chord 0 Major 0 box 2\n";
    for (const std::string& text : {
             std::string{},
             std::string{"junk\n"},
             std::string{"Vorlane practice record 2\n"},
             header + "answer play right 1200 none\n",        // no chord yet
             header + chord + "answer play right 1200 none",  // cut short
             header + "chord 12 Major 0 box 2\n",
             header + "chord 0 Majr 0 box 2\n",
             header + "chord 0 major 0 box 2\n",
             header + "chord 0 Major 3 box 2\n",
             header + "chord 0 Major 0 box -1\n",
             header + chord + chord,
             header + chord + "answer play maybe 1200 none\n",
             header + chord + "answer play right 12x0 none\n",
             header + chord + "answer play right 1200 0 Major extra\n",
             header + chord + "answer hum right 1200 none\n",
             header + chord + "\n",
         }) {
        EXPECT_EQ(ParseRecord(text), std::nullopt) << text;
    }
}

TEST(RecordTest, ResultsByTypeAndConfusionsReadAsText) {
    const Record record = SampleRecord();
    const std::vector<TypeSummary> byType = record.ByType();
    ASSERT_EQ(byType.size(), 3u);
    EXPECT_EQ(byType[1].type, ChordType::Augmented);
    EXPECT_EQ(byType[1].attempts, 4);
    EXPECT_EQ(byType[1].right, 1);
    EXPECT_EQ(byType[1].medianMs, 4100);
    EXPECT_EQ(byType[0].medianMs, 2100);
    EXPECT_EQ(byType[2].medianMs, std::nullopt);
    EXPECT_EQ(ResultsText(record, EnglishPracticeTexts),
              "Major: 2 attempts, 100% right, median time 2.1 s. "
              "Augmented: 4 attempts, 25% right, median time 4.1 s. "
              "Minor seventh: 1 attempts, 0% right, median time none yet. "
              "Augmented heard as Major: 2 times. Augmented played as no chord: 1 times.");
    EXPECT_EQ(ResultsText(Record{}, FrenchPracticeTexts), "Pas encore de réponses.");
    EXPECT_EQ(TimeText(2449, DutchPracticeTexts), "2,4 s");
}

class RecordKeeperTest : public ::testing::Test {
  protected:
    MemoryRecordFiles files;
    RecordKeeper keeper{files, "/data/Vorlane/practice-record.txt"};
    Record record;
    const std::string good = RecordText(SampleRecord());
};

TEST_F(RecordKeeperTest, AFileThatCannotBeReadIsSetAsideAndPracticeStartsFresh) {
    using Loaded = RecordKeeper::Loaded;
    struct Case {
        const char* what;
        std::optional<std::string> content;
        bool unreadable;
        bool renameFails;
        Loaded loaded;
    };
    const Case cases[] = {
        {"no file", std::nullopt, false, false, Loaded::Fresh},
        {"a record", good, false, false, Loaded::Read},
        {"junk", "junk\n", false, false, Loaded::SetAside},
        {"cut short", good.substr(0, good.size() - 5), false, false, Loaded::SetAside},
        {"unreadable", good, true, false, Loaded::SetAside},
        {"junk that cannot be moved", "junk\n", false, true, Loaded::LeftAlone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRecordFiles disk;
        disk.failRenames = c.renameFails;
        if (c.content) {
            disk.files[keeper.Path()] = *c.content;
        }
        if (c.unreadable) {
            disk.unreadable.insert(keeper.Path());
        }
        RecordKeeper k(disk, keeper.Path());
        record = SampleRecord();
        EXPECT_EQ(k.Load(record), c.loaded);
        EXPECT_EQ(record, c.loaded == Loaded::Read ? SampleRecord() : Record{});
        if (c.loaded == Loaded::SetAside) {
            EXPECT_EQ(disk.files.at(k.BadPath()), *c.content);
            EXPECT_FALSE(disk.files.contains(k.Path()));
        }
        // A file left alone is never overwritten.
        EXPECT_EQ(k.Save(SampleRecord()) == RecordKeeper::Saved::Saved,
                  c.loaded != Loaded::LeftAlone);
        if (c.loaded == Loaded::LeftAlone) {
            EXPECT_EQ(disk.files.at(k.Path()), "junk\n");
        }
    }
}

TEST_F(RecordKeeperTest, AFailedSaveIsReportedOnceAndKeepsTheOldFile) {
    using Saved = RecordKeeper::Saved;
    files.files[keeper.Path()] = good;
    ASSERT_EQ(keeper.Load(record), RecordKeeper::Loaded::Read);
    record.Add(kC, Played(Outcome::Wrong, 700));
    files.failWrites = true;
    EXPECT_EQ(keeper.Save(record), Saved::Failed);
    EXPECT_EQ(keeper.Save(record), Saved::FailedAgain);
    EXPECT_EQ(files.files.at(keeper.Path()), good);
    files.failWrites = false;
    EXPECT_EQ(keeper.Save(record), Saved::Saved);
    EXPECT_EQ(files.files.at(keeper.Path()), RecordText(record));
    files.failWrites = true;
    EXPECT_EQ(keeper.Save(record), Saved::Failed);  // a new failure is news again
}

TEST(QuestionSetTest, KeptInItsOwnSettingsValues) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadQuestionSet(store), QuestionSet{});
    QuestionSet chosen;
    chosen.whiteKeysOnly = true;
    chosen.types = TypesOf(TypeChoice::Sevenths);
    chosen.types.set(static_cast<std::size_t>(NumberOf(ChordType::Sus4)));
    chosen.inversions = true;
    chosen.nameRoot = true;
    StoreQuestionSet(store, chosen);
    EXPECT_EQ(ReadQuestionSet(store), chosen);
    for (const auto& [name, value] : store.Values()) {
        EXPECT_EQ(name.rfind("Oefen", 0), 0u) << name;
    }
    // Unknown words fall back to the default one by one.
    store.Set(PracticeTypesValueName, "Major,Nonsense");
    store.Set(PracticeRootsValueName, "wit");
    QuestionSet expected = chosen;
    expected.types = QuestionSet{}.types;
    expected.whiteKeysOnly = false;
    EXPECT_EQ(ReadQuestionSet(store), expected);
}

}  // namespace
}  // namespace vorlane::testing
