#include <gtest/gtest.h>

#include "app/cli/identify.h"
#include "tests/cli/cli_run.h"

namespace vorlane {
namespace {

using testing::RunTool;

TEST(CliIdentify, NoteNumbersAndNamesWithOctaves) {
    const std::vector<std::pair<std::string_view, std::optional<int>>> cases = {
        {"0", 0},
        {"127", 127},
        {"060", 60},
        {"128", std::nullopt},
        {"C4", 60},
        {"E3", 52},
        {"Db4", 61},
        {"C#4", 61},
        {"B#3", 60},
        {"Cb4", 59},
        {"C-1", 0},
        {"G9", 127},
        {"Bb-1", 10},
        {"Cb-1", std::nullopt},
        {"G#9", std::nullopt},
        {"Ab9", std::nullopt},
        {"C10", std::nullopt},
        {"C-2", std::nullopt},
        {"c4", 60},
        {"db4", 61},
        {"H4", std::nullopt},
        {"C", std::nullopt},
        {"Cbb4", std::nullopt},
        {"C4b", std::nullopt},
        {"-1", std::nullopt},
        {"", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& [text, note] : cases) {
        EXPECT_EQ(cli::ParseNote(text), note) << text;
    }
}

// identify prints what the look-up of the named chord prints, in the asked column.
TEST(CliIdentify, PrintsTheLookUpOfTheNamedChord) {
    const std::vector<std::pair<std::vector<std::string_view>, std::vector<std::string_view>>>
        cases = {
            {{"E3", "G3", "C4"}, {"--inversion", "1", "C", "Major"}},
            {{"--sharp", "G3", "Bb3", "C4", "63"}, {"--sharp", "--inversion", "1", "D#", "Sixth"}},
            {{"D3", "F3", "A3", "C4", "--lang", "fr"}, {"--lang=fr", "D", "Minor7"}},
            {{"C3", "E3", "Bb3", "D4", "--octave-higher"}, {"--octave-higher", "C", "Ninth"}},
            {{"--sharp", "A4", "C#5", "E5"}, {"--sharp", "A"}},
            // Without octaves each note is the nearest above the one before; either case.
            {{"e", "g", "c"}, {"--inversion", "1", "C", "Major"}},
            {{"g", "c", "E"}, {"--inversion", "2", "C", "Major"}},
            {{"D", "f", "A", "c"}, {"D", "Minor7"}},
            {{"c5", "e", "bb", "d"}, {"C", "Ninth"}},
        };
    for (const auto& [notes, lookUp] : cases) {
        std::vector<std::string_view> args = {"identify"};
        args.insert(args.end(), notes.begin(), notes.end());
        const auto named = RunTool(args);
        EXPECT_EQ(named.status, 0) << named.err;
        EXPECT_EQ(named.err, "");
        EXPECT_EQ(named.out, RunTool(lookUp).out) << lookUp[lookUp.size() - 1];
    }
}

// --verbose adds the inversion in words, as the window's selector names it.
TEST(CliIdentify, VerboseAddsTheInversionInWords) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{"identify", "--verbose", "c", "e", "g"}, "Position: Ground position"},
        {{"identify", "--verbose", "e", "g", "c"}, "Position: 1st reversal"},
        {{"identify", "--verbose", "--lang", "nl", "G3", "C4", "E4"}, "Ligging: 2de omkering"},
    };
    for (const auto& [args, last] : cases) {
        const auto named = RunTool(args);
        EXPECT_EQ(named.status, 0) << named.err;
        std::vector<std::string_view> plain(args);
        std::erase(plain, std::string_view{"--verbose"});
        EXPECT_EQ(named.out, RunTool(plain).out + last + "\n") << last;
    }
}

}  // namespace
}  // namespace vorlane
