#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language_texts.h"

namespace vorlane {

// The texts of the practice window in one language, UTF-8. "{0}", "{1}", ... stand for what
// Fill puts in.
struct PracticeTexts {
    std::string_view title;  // the window's title, and the main window's button
    std::string_view drillGroup;
    std::string_view playIt;
    std::string_view nameIt;

    std::string_view questionSetGroup;
    std::string_view rootsLabel;
    std::string_view allRoots;
    std::string_view whiteRoots;
    std::string_view typesLabel;
    std::string_view triads;
    std::string_view sevenths;
    std::string_view allTypes;
    std::string_view inversions;
    std::string_view nameRoot;

    std::string_view check;
    std::string_view skip;
    std::string_view show;
    std::string_view replay;
    std::string_view resetRecord;
    std::string_view resetQuestion;  // asked before the record is deleted

    std::string_view questionName;  // what a screen reader calls the question
    std::string_view verdictName;
    std::string_view scoreName;
    std::string_view keyboardName;
    std::string_view chartName;

    std::array<std::string_view, 3> inversionWords;
    std::string_view listenPrompt;  // the question while a chord is to be named
    std::string_view noTypes;       // the question when no chord type is chosen
    std::string_view correct;
    std::string_view notQuite;
    std::string_view notQuitePlayed;  // {0}: the chord the notes make
    std::string_view answerShown;     // {0}: the chord
    std::string_view score;           // {0} right of {1} attempts
    std::string_view streak;          // {0}
    std::string_view medianTime;      // {0}: a time
    std::string_view seconds;         // {0}: a number
    std::string_view noTime;
    char decimalSeparator;

    std::string_view recordSetAside;  // {0}: where the unreadable file went
    std::string_view recordLeftAlone;
    std::string_view recordNotSaved;
    std::string_view recordNotRemoved;

    // The results read as text: one line per chord type, then what was taken for what.
    std::string_view noResults;
    std::string_view typeResult;  // {0} type, {1} attempts, {2} percent right, {3} median time
    std::string_view heardAs;     // {0} asked type, {1} type named, {2} times
    std::string_view playedAs;    // {0} asked type, {1} type the notes made, {2} times
    std::string_view noChord;     // stands for the type when the notes made no chord

    std::string_view rootsOfAnswer;  // before the root buttons of the answer
    std::string_view typesOfAnswer;  // before the type buttons of the answer

    std::array<std::string_view, 24> typeNames;  // in chord-table order
};

extern const PracticeTexts EnglishPracticeTexts;
extern const PracticeTexts FrenchPracticeTexts;
extern const PracticeTexts DutchPracticeTexts;

const PracticeTexts& PracticeTextsFor(Language language);

// The pattern with {0}, {1}, ... replaced by the arguments in order.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace vorlane
