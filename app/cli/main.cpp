#include <limits.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/lookup.h"

namespace {

#ifdef VORLANE_WITH_MIDI_INPUT
// listen is a program of its own (see listen_main.cpp): beside this one in the build tree,
// under libexec once installed.
std::string ListenProgram() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        return {};
    }
    std::string folder(self, static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    for (const std::string& candidate :
         {folder + "vorlane-cli-listen", folder + VORLANE_LISTEN_FOLDER "/vorlane-cli-listen"}) {
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!args.empty() && args.front() == "listen") {
#ifdef VORLANE_WITH_MIDI_INPUT
        const std::string program = ListenProgram();
        if (!program.empty()) {
            execv(program.c_str(), argv + 1);  // the same process: signals and streams stay
        }
        std::cerr << "vorlane-cli: listen is not installed (vorlane-cli-listen is missing)\n";
#else
        std::cerr << "vorlane-cli: built without MIDI input\n";
#endif
        return 1;
    }
    std::ios::sync_with_stdio(false);  // identify - reads and writes many lines
    const int status = vorlane::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    // A write failure (full disk, closed pipe) must not pass for a successful look-up.
    if (status == vorlane::cli::kExitSuccess && !std::cout) {
        std::cerr << "vorlane-cli: could not write to standard output\n";
        return 1;
    }
    return status;
}
