#include <iostream>
#include <string_view>
#include <vector>

#include "app/cli/lookup.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = vorlane::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    // A write failure (full disk, closed pipe) must not pass for a successful look-up.
    if (status == vorlane::cli::kExitSuccess && !std::cout) {
        std::cerr << "vorlane-cli: could not write to standard output\n";
        return 1;
    }
    return status;
}
