#pragma once

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

}  // namespace vorlane::testing
