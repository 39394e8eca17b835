#include <gtest/gtest.h>

#include "app/cli/arguments.h"
#include "tests/cli/cli_run.h"

namespace vorlane::cli {
namespace {

using testing::RunTool;

CliRequest Parsed(std::vector<std::string_view> args) {
    const ParseOutcome outcome = ParseArguments(args);
    EXPECT_EQ(outcome.action, CliAction::LookUp) << outcome.error;
    return outcome.request;
}

TEST(CliArguments, OptionsMayStandAnywhere) {
    const CliRequest plain = Parsed({"C"});
    EXPECT_EQ(plain.root, 1);
    EXPECT_EQ(plain.type, 0);
    EXPECT_EQ(plain.language, Language::English);
    EXPECT_EQ(plain.inversion, Inversion::RootPosition);
    EXPECT_FALSE(plain.octaveHigher);

    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--lang", "nl", "--inversion", "2", "--octave-higher", "Db", "Minor7"},
             {"Db", "--inversion=2", "minor7", "--octave-higher", "--lang=nl"},
             {"--octave-higher", "Db", "--lang", "nl", "5", "--inversion", "2"}}) {
        const CliRequest r = Parsed(args);
        EXPECT_EQ(r.root, 2);
        EXPECT_EQ(r.spelling, Spelling::Flat);
        EXPECT_EQ(r.type, 5);
        EXPECT_EQ(r.language, Language::Dutch);
        EXPECT_EQ(r.inversion, Inversion::SecondInversion);
        EXPECT_TRUE(r.octaveHigher);
    }
    EXPECT_EQ(Parsed({"C", "--lang", "fr"}).language, Language::French);
    EXPECT_EQ(Parsed({"C", "SUS4"}).type, 23);
    EXPECT_EQ(Parsed({"C", "23"}).type, 23);
}

TEST(CliArguments, RootColumnDecidesTheSpelling) {
    struct Case {
        std::vector<std::string_view> args;
        KeyNumber root;
        Spelling spelling;
    };
    for (const Case& c : std::vector<Case>{{{"C"}, 1, Spelling::Flat},
                                           {{"C", "--sharp"}, 1, Spelling::Sharp},
                                           {{"--sharp", "B"}, 12, Spelling::Sharp},
                                           {{"C#"}, 2, Spelling::Sharp},
                                           {{"Db"}, 2, Spelling::Flat},
                                           {{"Db", "--sharp"}, 2, Spelling::Flat},
                                           {{"A#"}, 11, Spelling::Sharp},
                                           {{"Bb"}, 11, Spelling::Flat}}) {
        const CliRequest r = Parsed(c.args);
        EXPECT_EQ(r.root, c.root) << c.args[0];
        EXPECT_EQ(r.spelling, c.spelling) << c.args[0];
    }
}

TEST(CliArguments, BadInputIsOneLineOnStderrAndStatusTwo) {
    struct Case {
        std::vector<std::string_view> args;
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
        const auto result = RunTool(c.args);
        SCOPED_TRACE(c.culprit);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        ASSERT_FALSE(result.err.empty());
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "exactly one line";
        EXPECT_EQ(result.err.rfind("vorlane-cli: ", 0), 0u);
        EXPECT_NE(result.err.find(c.culprit), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(c.accepted), std::string::npos) << result.err;
    }
}

TEST(CliArguments, HelpWinsOverEverythingElse) {
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--help"}, {"-h"}, {"H", "--help"}, {"C", "--lang=xx", "-h", "extra", "args"}}) {
        const auto result = RunTool(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out.rfind("Usage: vorlane-cli ", 0), 0u);
    }
    const std::string usage = UsageText();
    for (const ChordTypeRow& row : ChordTypeTable) {
        EXPECT_NE(usage.find(row.typeName), std::string::npos) << row.typeName;
    }
}

}  // namespace
}  // namespace vorlane::cli
