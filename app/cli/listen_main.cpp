// vorlane-cli-listen: `vorlane-cli listen` runs this program in its own place, so that only
// listen loads the MIDI libraries (RtMidi, ALSA, JACK) and look-ups start without them.

#include <span>
#include <string_view>
#include <vector>

#include "app/cli/listen.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return vorlane::cli::RunListen(args);
}
