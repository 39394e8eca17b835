// identify -: one chord per line of standard input, each named as identify names its arguments.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/identify.h"
#include "app/cli/identify_lines.h"
#include "tests/cli/cli_run.h"

namespace vorlane {
namespace {

using testing::RunTool;

struct LinesCase {
    const char* name;
    std::vector<std::string_view> args;  // after "identify"
    std::string input;
    std::vector<std::vector<std::string_view>> sameAs;  // identify runs whose output it is
    std::string err;
    int status;
};

TEST(CliIdentifyLines, EachLineIsNamedAsIdentifyNamesItsNotes) {
    const std::vector<LinesCase> cases = {
        {"one chord a line, options from the command line",
         {"--lang", "fr", "-"},
         "E3 G3 C4\n62 65 69\n",
         {{"identify", "--lang", "fr", "E3", "G3", "C4"},
          {"identify", "--lang", "fr", "62", "65", "69"}},
         "",
         0},
        {"blank lines skipped, blanks and tabs between notes, options on a line, no final newline",
         {"-"},
         "\n  60\t64  67 \r\n--sharp 61 65 68",
         {{"identify", "60", "64", "67"}, {"identify", "--sharp", "61", "65", "68"}},
         "",
         0},
        {"errors told with their line, the others still named",
         {"-"},
         "C4 C#4 D4\n60 64 67\nX4\n",
         {{"identify", "60", "64", "67"}},
         "vorlane-cli: line 1: the notes 60 61 62 name no chord\n"
         "vorlane-cli: line 3: unknown or out-of-range note \"X4\"; accepted: 0 to 127, or a "
         "letter A-G or a-g, an optional b or #, and an octave -1 to 9 (C4 = 60), from C-1 to "
         "G9; without the octave, the nearest such note above the one before\n",
         2},
        {"a line that names nothing",
         {"-"},
         "60 61\n",
         {},
         "vorlane-cli: line 1: the notes 60 61 name no chord\n",
         1},
        {"a dash on a line is a bad note, not more input",
         {"-"},
         "60 64 67 -\n",
         {},
         "vorlane-cli: line 1: unknown or out-of-range note \"-\"; accepted: 0 to 127, or a "
         "letter A-G or a-g, an optional b or #, and an octave -1 to 9 (C4 = 60), from C-1 to "
         "G9; without the octave, the nearest such note above the one before\n",
         2},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string expected;
        for (const auto& run : c.sameAs) {
            const testing::CliResult single = RunTool(run);
            ASSERT_EQ(single.status, 0);
            expected += single.out;
        }
        std::istringstream in(c.input);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::IdentifyLines(c.args, in, out, err), c.status);
        EXPECT_EQ(out.str(), expected);
        EXPECT_EQ(err.str(), c.err);
    }
}

}  // namespace
}  // namespace vorlane
