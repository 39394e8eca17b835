#pragma once

#include <span>
#include <string_view>

namespace vorlane::cli {

// "vorlane-cli listen ...": prints the chord line of every chord played on the MIDI input
// until SIGINT or SIGTERM, then returns 0; 1 without a MIDI system, 2 on bad input.
int RunListen(std::span<const std::string_view> args);

}  // namespace vorlane::cli
