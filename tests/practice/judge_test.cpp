#include <gtest/gtest.h>

#include "practice/judge.h"

namespace vorlane::testing {
namespace {

ChordValue Chord(int root, ChordType type, Inversion inversion = Inversion::RootPosition) {
    return {root, Spelling::Flat, type, inversion};
}

TEST(JudgeTest, PlayedNotesAgainstTheAskedChord) {
    constexpr auto First = Inversion::FirstInversion;
    constexpr auto Second = Inversion::SecondInversion;
    struct Case {
        const char* what;
        ChordValue asked;
        bool bassMatters;
        std::vector<int> held;
        Verdict verdict;
        std::vector<int> wrong;
        std::vector<int> missing;
    };
    const Case cases[] = {
        {"close, an octave up",
         Chord(1, ChordType::Major),
         false,
         {60, 64, 67},
         Verdict::Right,
         {},
         {}},
        {"spread over octaves, doubled",
         Chord(1, ChordType::Major),
         false,
         {36, 64, 67, 72, 76, 79},
         Verdict::Right,
         {},
         {}},
        {"unsorted and repeated",
         Chord(1, ChordType::Major),
         false,
         {67, 60, 64, 60},
         Verdict::Right,
         {},
         {}},
        {"any voicing without inversions",
         Chord(1, ChordType::Major, First),
         false,
         {48, 52, 55},
         Verdict::Right,
         {},
         {}},
        {"first inversion on its bass",
         Chord(1, ChordType::Major, First),
         true,
         {52, 55, 60},
         Verdict::Right,
         {},
         {}},
        {"first inversion on the root",
         Chord(1, ChordType::Major, First),
         true,
         {48, 52, 55},
         Verdict::Wrong,
         {48},
         {40}},
        {"seventh, second inversion on the fifth",
         Chord(1, ChordType::Seventh, Second),
         true,
         {55, 58, 60, 64},
         Verdict::Right,
         {},
         {}},
        {"sus4, second inversion on the fifth",
         Chord(1, ChordType::Sus4, Second),
         true,
         {43, 60, 65},
         Verdict::Right,
         {},
         {}},
        {"root position asked with inversions on",
         Chord(1, ChordType::Major),
         true,
         {52, 55, 60},
         Verdict::Wrong,
         {52},
         {48}},
        {"augmented by another root",
         Chord(5, ChordType::Augmented),
         false,
         {60, 64, 68},
         Verdict::Right,
         {},
         {}},
        {"one wrong tone",
         Chord(3, ChordType::Minor),
         false,
         {62, 65, 68},
         Verdict::Wrong,
         {68},
         {69}},
        {"a cluster",
         Chord(1, ChordType::Major),
         false,
         {60, 61, 62},
         Verdict::Wrong,
         {61, 62},
         {64, 67}},
        {"a tone short",
         Chord(1, ChordType::Major),
         false,
         {60, 64},
         Verdict::Incomplete,
         {},
         {67}},
        {"bass still missing",
         Chord(1, ChordType::Major, First),
         true,
         {55, 60},
         Verdict::Incomplete,
         {},
         {52}},
        {"nothing held", Chord(3, ChordType::Minor), false, {}, Verdict::Wrong, {}, {50, 53, 57}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PlayJudgement j = JudgePlayed(c.asked, c.bassMatters, c.held);
        EXPECT_EQ(j.verdict, c.verdict);
        EXPECT_EQ(j.wrongNotes, c.wrong);
        EXPECT_EQ(j.missingNotes, c.missing);
    }
}

TEST(JudgeTest, WhatTheWrongNotesMake) {
    // D F G#: asked D minor, the notes make D diminished.
    const auto dim = JudgePlayed(Chord(3, ChordType::Minor), false, std::vector{62, 65, 68});
    ASSERT_TRUE(dim.played);
    EXPECT_EQ(dim.played->rootPitchClass, 2);
    EXPECT_EQ(dim.played->type, ChordType::Diminished);
    EXPECT_FALSE(JudgePlayed(Chord(1, ChordType::Major), false, std::vector{60, 61, 62}).played);
}

TEST(JudgeTest, ANamedChordCountsWhenItSoundsTheSame) {
    struct Case {
        ChordKey heard;
        ChordType named;
        std::optional<int> root;
        bool right;
    };
    const Case cases[] = {
        {{0, ChordType::Sixth}, ChordType::Sixth, std::nullopt, true},
        {{0, ChordType::Sixth}, ChordType::Minor7, std::nullopt, true},  // C6 is Am7
        {{0, ChordType::Sixth}, ChordType::Minor7, 9, true},
        {{0, ChordType::Sixth}, ChordType::Minor7, 0, false},
        {{0, ChordType::Augmented}, ChordType::Augmented, 4, true},  // C+ is E+
        {{0, ChordType::Major}, ChordType::Minor, std::nullopt, false},
        {{2, ChordType::Minor, Inversion::FirstInversion}, ChordType::Minor, 2, true},
        {{2, ChordType::Minor}, ChordType::Minor, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(RowOf(c.heard.type).typeName);
        EXPECT_EQ(JudgeNamed(c.heard, c.named, c.root), c.right)
            << "named " << RowOf(c.named).typeName << " on " << c.root.value_or(-1);
    }
}

}  // namespace
}  // namespace vorlane::testing
