#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Process {
    int status = -1;
    std::string captured;
};

// Runs the built executable through the shell and captures what the redirection leaves on
// the pipe; the exit status is the tool's own.
Process RunExecutable(const std::string& arguments, const std::string& redirection) {
    const std::string command =
        std::string{"'"} + VORLANE_CLI_PATH + "' " + arguments + " " + redirection;
    Process result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[512];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.captured.append(buffer, n);
    }
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

TEST(CliProcess, PrintsTheLookUpInUtf8) {
    const Process out = RunExecutable("Db Minor7 --lang nl", "2>/dev/null");
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.captured,
              "Toonladder Db:   Db - Eb - F - Gb - Ab - Bb - C - Db\n"
              "Compatibele akkoorden (kwintencirkel): Db, Gb, Ab, Ebm, Bbm, Fm, C\xC2\xB0 (DIM)\n"
              "Akkoord Dbm7:   Db - E - Ab - B\n"
              "Keys: 2 5 9 12\n"
              "MIDI: 49 52 56 59\n");
    EXPECT_EQ(RunExecutable("Db Minor7 --lang nl", "2>&1 >/dev/null").captured, "");
    const Process help = RunExecutable("--help", "2>/dev/null");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.captured.rfind("Usage: vorlane-cli", 0), 0u);
}

TEST(CliProcess, BadInputFailsWithStatusTwoAndOneErrorLine) {
    const Process out = RunExecutable("Db --inversion 5", "2>/dev/null");
    EXPECT_EQ(out.status, 2);
    EXPECT_EQ(out.captured, "");
    const Process err = RunExecutable("Db --inversion 5", "2>&1 >/dev/null");
    EXPECT_EQ(err.status, 2);
    EXPECT_EQ(err.captured,
              "vorlane-cli: unknown inversion \"5\"; accepted: 0 (root position), 1 (first), 2 "
              "(second)\n");
}

}  // namespace
