#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Process {
    int status = -1;
    std::string captured;
};

// Runs the built executable through the shell; `redirection` picks which stream reaches the
// pipe. The status is the tool's own exit status.
Process RunExecutable(const std::string& arguments, const std::string& redirection) {
    const std::string command = "'" VORLANE_CLI_PATH "' " + arguments + " " + redirection;
    Process result;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.captured.append(buffer, n);
        }
        const int raw = pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    return result;
}

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
