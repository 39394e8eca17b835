#include <gtest/gtest.h>

#include "app/cli/arguments.h"
#include "tests/cli/cli_run.h"

namespace vorlane::cli {
namespace {

using Args = std::vector<std::string_view>;

CliRequest Parsed(const Args& args) {
    const ParseOutcome outcome = ParseArguments(args);
    EXPECT_EQ(outcome.action, CliAction::LookUp) << outcome.error;
    return outcome.request;
}

TEST(CliArguments, DefaultsAndOptionsAnywhere) {
    const CliRequest plain = Parsed({"C"});
    EXPECT_EQ(plain.chord.root, 1);
    EXPECT_EQ(plain.chord.spelling, Spelling::Flat);
    EXPECT_EQ(plain.chord.type, ChordType::Major);
    EXPECT_EQ(plain.language, Language::English);
    EXPECT_EQ(plain.chord.inversion, Inversion::RootPosition);
    EXPECT_FALSE(plain.octaveHigher);

    for (const Args& args : {Args{"--lang", "nl", "--inversion", "2", "--sharp", "Db", "Minor7"},
                             Args{"Db", "--inversion=2", "minor7", "--lang=nl", "--sharp"}}) {
        const CliRequest r = Parsed(args);
        EXPECT_EQ(r.chord.root, 2);
        EXPECT_EQ(r.chord.spelling, Spelling::Flat);  // --sharp leaves a flat-column root alone
        EXPECT_EQ(r.chord.type, ChordType::Minor7);
        EXPECT_EQ(r.language, Language::Dutch);
        EXPECT_EQ(r.chord.inversion, Inversion::SecondInversion);
    }
    EXPECT_EQ(Parsed({"C", "--sharp"}).chord.spelling, Spelling::Sharp);
    EXPECT_EQ(Parsed({"A#"}).chord.spelling, Spelling::Sharp);
}

TEST(CliArguments, BadInputIsOneLineOnStderrAndStatusTwo) {
    struct Case {
        Args args;
        std::string_view culprit;
        std::string_view accepted;
    };
    for (const Case& c :
         std::vector<Case>{{{}, "missing ROOT", "ROOT [TYPE]"},
                           {{"H"}, "unknown root \"H\"", "C# D# F# G# A#"},
                           {{"c"}, "unknown root \"c\"", "C Db D"},
                           {{"Cb", "Major"}, "unknown root \"Cb\"", "Bb B"},
                           {{"C", "24"}, "chord type \"24\"", "0 to 23"},
                           {{"C", "-1"}, "chord type \"-1\"", "Sus4"},
                           {{"C", "Minor8"}, "chord type \"Minor8\"", "Minor7"},
                           {{"--lang", "de", "C"}, "language \"de\"", "en, fr, nl"},
                           {{"C", "--lang"}, "--lang needs a value", "en, fr, nl"},
                           {{"C", "--inversion", "3"}, "inversion \"3\"", "0 (root position)"},
                           {{"C", "--inversion=01"}, "inversion \"01\"", "2 (second)"},
                           {{"C", "--octave"}, "unknown option \"--octave\"", "--octave-higher"},
                           {{"C", "--sharp=yes"}, "--sharp takes no value", "--sharp alone"},
                           {{"C", "1", "2"}, "unexpected argument \"2\"", "ROOT [TYPE]"},
                           {{"--lang", "--help", "C"}, "language \"--help\"", "en, fr, nl"}}) {
        const testing::CliResult result = testing::RunTool(c.args);
        SCOPED_TRACE(c.culprit);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "exactly one line";
        EXPECT_EQ(result.err.rfind("vorlane-cli: ", 0), 0u);
        EXPECT_NE(result.err.find(c.culprit), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(c.accepted), std::string::npos) << result.err;
    }
}

TEST(CliArguments, HelpWinsOverEverythingElse) {
    for (const Args& args :
         {Args{"--help"}, Args{"H", "-h"}, Args{"C", "--lang=xx", "--help", "x"}}) {
        const testing::CliResult result = testing::RunTool(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out.rfind("Usage: vorlane-cli ", 0), 0u);
    }
}

}  // namespace
}  // namespace vorlane::cli
