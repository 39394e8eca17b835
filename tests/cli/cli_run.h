#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/lookup.h"

namespace vorlane::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the tool in-process on the arguments after the program name.
inline CliResult RunTool(const std::vector<std::string_view>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

struct Process {
    int status = -1;
    std::string captured;
};

// Runs the built executable through the shell; `redirection` picks which stream reaches the
// pipe. The status is the tool's own exit status.
inline Process RunExecutable(const std::string& arguments, const std::string& redirection) {
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

}  // namespace vorlane::testing
