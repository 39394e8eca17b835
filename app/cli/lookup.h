#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "app/cli/arguments.h"

namespace vorlane::cli {

// The five output lines of a look-up, each ending with a newline: the scale line, the
// compatible-chords line, the chord line, "Keys: ..." and "MIDI: ...".
std::string ComposeLookup(const CliRequest& request);

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 2;

// The whole tool: parses args (without the program name), writes the result to out or the
// one-line error to err, and returns the exit status.
int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace vorlane::cli
