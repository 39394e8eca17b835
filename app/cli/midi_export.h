#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "progression/playback.h"

namespace vorlane::cli {

// "vorlane-cli midi ...": a saved chord list turned into a Standard MIDI File.
struct MidiExportRequest {
    PlaybackOptions options;
    std::string listPath;
    std::string outPath;
};

struct MidiExportParse {
    std::optional<MidiExportRequest> request;  // none: error holds the message, or help
    std::string error;
    bool help = false;
};

// Reads the arguments after "midi".
MidiExportParse ParseMidiExportArguments(std::span<const std::string_view> args);

// The help of the midi command, ending with a newline.
std::string MidiExportUsageText();

inline constexpr int kExitWriteFailed = 1;

// Reads the list and writes the file through a temporary file beside it, so that on any
// failure the file is neither created nor changed. 0, 2 for bad input, 1 when writing failed.
int RunMidiExport(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace vorlane::cli
