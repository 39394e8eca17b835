#include <gtest/gtest.h>

#include <string>

#include "tests/cli/cli_run.h"

namespace {

using vorlane::testing::Process;
using vorlane::testing::RunExecutable;

TEST(CliProcess, LookUpOnStdoutAndErrorsOnStderr) {
    const Process out = RunExecutable("Db Minor7 --lang nl", "2>/dev/null");
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.captured,
              "Toonladder Db:   Db - Eb - F - Gb - Ab - Bb - C - Db\n"
              "Compatibele akkoorden (kwintencirkel): Db, Gb, Ab, Ebm, Bbm, Fm, C\xC2\xB0 (DIM)\n"
              "Akkoord Dbm7:   Db - E - Ab - B\n"
              "Keys: 2 5 9 12\n"
              "MIDI: 49 52 56 59\n");
    EXPECT_EQ(RunExecutable("Db Minor7 --lang nl", "2>&1 >/dev/null").captured, "");

    const Process bad = RunExecutable("Db --inversion 5", "2>/dev/null");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.captured, "");
    EXPECT_EQ(RunExecutable("Db --inversion 5", "2>&1 >/dev/null").captured,
              "vorlane-cli: unknown inversion \"5\"; accepted: 0 (root position), 1 (first), 2 "
              "(second)\n");
}

}  // namespace

namespace {

TEST(CliProcess, IdentifyStatusesAndStreams) {
    const Process named = RunExecutable("identify E3 G3 C4", "2>/dev/null");
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.captured,
              "Musical scale C:   C - D - E - F - G - A - B - C\n"
              "Compatible chords (Circle of Fifths): C, F, G, Dm, Am, Em, B\xC2\xB0 (DIM)\n"
              "Chord C:   C - E - G\n"
              "Keys: 13 5 8\n"
              "MIDI: 60 52 55\n");

    struct Failure {
        std::string arguments;
        int status;
        std::string err;
    };
    const std::vector<Failure> failures = {
        {"identify C4 C#4 D4", 1, "vorlane-cli: the notes 60 61 62 name no chord\n"},
        {"identify 60", 1, "vorlane-cli: the notes 60 name no chord\n"},
        {"identify", 2,
         "vorlane-cli: missing NOTE; usage: vorlane-cli identify [--lang en|fr|nl] [--sharp] "
         "[--octave-higher] [--verbose] NOTE...\n"},
        {"identify C4 E4 X4", 2,
         "vorlane-cli: unknown or out-of-range note \"X4\"; accepted: 0 to 127, or a letter A-G "
         "or a-g, an optional b or #, and an octave -1 to 9 (C4 = 60), from C-1 to G9; without "
         "the octave, the nearest such note above the one before\n"},
        {"identify --inversion 1 C4 E4 G4", 2,
         "vorlane-cli: option \"--inversion\" does not apply to identify; usage: vorlane-cli "
         "identify [--lang en|fr|nl] [--sharp] [--octave-higher] [--verbose] NOTE...\n"},
        {"identify --lang de C4 E4 G4", 2,
         "vorlane-cli: unknown language \"de\"; accepted: en, fr, nl\n"},
        {"listen C4", 2,
         "vorlane-cli: listen takes no notes (got \"C4\"); usage: vorlane-cli listen [--lang "
         "en|fr|nl] [--sharp] [--connect PORT]...\n"},
        {"listen --octave-higher", 2,
         "vorlane-cli: option \"--octave-higher\" does not apply to listen; usage: vorlane-cli "
         "listen [--lang en|fr|nl] [--sharp] [--connect PORT]...\n"},
        {"listen --connect", 2,
         "vorlane-cli: option --connect needs a port, as a patchbay names it\n"},
    };
    for (const Failure& failure : failures) {
        const Process out = RunExecutable(failure.arguments, "2>/dev/null");
        EXPECT_EQ(out.status, failure.status) << failure.arguments;
        EXPECT_EQ(out.captured, "") << failure.arguments;
        EXPECT_EQ(RunExecutable(failure.arguments, "2>&1 >/dev/null").captured, failure.err);
    }
}

}  // namespace
