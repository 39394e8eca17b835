#include <iostream>
#include <string_view>
#include <vector>

#include "app/cli/lookup.h"
#ifdef VORLANE_WITH_MIDI_INPUT
#include "app/cli/listen.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!args.empty() && args.front() == "listen") {
#ifdef VORLANE_WITH_MIDI_INPUT
        return vorlane::cli::RunListen(std::span(args).subspan(1));
#else
        std::cerr << "vorlane-cli: built without MIDI input\n";
        return 1;
#endif
    }
    const int status = vorlane::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    // A write failure (full disk, closed pipe) must not pass for a successful look-up.
    if (status == vorlane::cli::kExitSuccess && !std::cout) {
        std::cerr << "vorlane-cli: could not write to standard output\n";
        return 1;
    }
    return status;
}
