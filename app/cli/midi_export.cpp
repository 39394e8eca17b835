#include "app/cli/midi_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/lookup.h"
#include "progression/midi_file.h"
#include "settings/chord_list.h"

namespace vorlane::cli {

namespace {

constexpr std::string_view kSynopsis =
    "vorlane-cli midi [--tempo BPM] [--beats N] [--smooth] [--octave-higher] "
    "[--mode organ|piano|guitar] LIST OUT.mid";

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

MidiExportParse Fail(std::string message) {
    return {std::nullopt, "vorlane-cli: " + std::move(message), false};
}

std::string ModeList() {
    std::string names;
    for (const SoundModeRow& row : SoundModes) {
        if (!row.cliName.empty()) {
            names += (names.empty() ? "" : ", ");
            names += row.cliName;
        }
    }
    return names;
}

// A whole number within the range, or the message that refuses it.
std::optional<std::string> SetNumber(std::string_view name, std::string_view value, int low,
                                     int high, int& target) {
    const std::optional<int> number = DecimalNumber(value, 3);
    if (!number || *number < low || *number > high) {
        return "bad value " + Quoted(value) + " for " + std::string{name} +
               "; accepted: " + std::to_string(low) + " to " + std::to_string(high);
    }
    target = *number;
    return std::nullopt;
}

std::optional<std::string> SetMode(std::string_view value, PlaybackOptions& options) {
    for (const SoundModeRow& row : SoundModes) {
        if (!row.cliName.empty() && row.cliName == value) {
            options.mode = row.mode;
            return std::nullopt;
        }
    }
    return "unknown mode " + Quoted(value) + "; accepted: " + ModeList();
}

std::optional<std::string> SetOption(std::string_view name, std::string_view value,
                                     PlaybackOptions& options) {
    if (name == "--tempo") {
        return SetNumber(name, value, kLowestTempo, kHighestTempo, options.bpm);
    }
    if (name == "--beats") {
        return SetNumber(name, value, kFewestBeatsPerChord, kMostBeatsPerChord,
                         options.beatsPerChord);
    }
    return SetMode(value, options);
}

// What is wrong with the list at its first bad line.
std::string BadListMessage(std::string_view path, int line) {
    if (line == 1) {
        return Quoted(path) + " is not a chord list: line 1 is no chord list header";
    }
    const std::string where = Quoted(path) + " line " + std::to_string(line) + ": ";
    return where + (line < 4 ? "not the header of a chord list" : "not a chord line");
}

std::string CannotMessage(std::string_view verb, std::string_view path, int error) {
    return "cannot " + std::string{verb} + " " + Quoted(path) + ": " + std::strerror(error);
}

std::optional<std::string> ReadFile(const std::string& path, std::string& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return CannotMessage("read", path, errno);
    }
    char buffer[8192];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            close(fd);
            return CannotMessage("read", path, error);
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return std::nullopt;
}

// Writes beside the target and renames, so a reader never sees half a file and a failure
// leaves the target as it was. A new file gets the mode the user's umask gives; a replaced
// one keeps its own.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return CannotMessage("write", path, errno);
    }
    int error = 0;  // the first failure's
    auto succeeded = [&error](bool ok) {
        if (!ok && error == 0) {
            error = errno != 0 ? errno : EIO;
        }
        return ok && error == 0;
    };
    struct stat existing {};
    mode_t mode = 0;
    if (stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (succeeded(fchmod(fd, mode) == 0)) {
        for (std::size_t done = 0; done < bytes.size();) {
            errno = 0;
            const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (!succeeded(n > 0)) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
    }
    if (error == 0) {
        succeeded(fsync(fd) == 0);
    }
    succeeded(close(fd) == 0);
    if (error == 0) {
        succeeded(rename(temporary.c_str(), path.c_str()) == 0);
    }
    if (error != 0) {
        unlink(temporary.c_str());
        return CannotMessage("write", path, error);
    }
    return std::nullopt;
}

}  // namespace

MidiExportParse ParseMidiExportArguments(std::span<const std::string_view> args) {
    MidiExportRequest request;
    std::vector<std::string_view> positionals;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return {std::nullopt, {}, true};
        }
        if (arg.size() < 2 || arg[0] != '-') {
            positionals.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (name == "--smooth" || name == "--octave-higher") {
            if (equals != std::string_view::npos) {
                return Fail("option " + std::string{name} + " takes no value (got " + Quoted(arg) +
                            ")");
            }
            (name == "--smooth" ? request.options.smoothVoicing : request.options.octaveHigher) =
                true;
        } else if (name == "--tempo" || name == "--beats" || name == "--mode") {
            const std::optional<std::string_view> value = OptionValue(args, i);
            if (!value) {
                return Fail("option " + std::string{name} +
                            " needs a value; usage: " + std::string{kSynopsis});
            }
            if (auto error = SetOption(name, *value, request.options)) {
                return Fail(*error);
            }
        } else {
            return Fail("unknown option " + Quoted(arg) +
                        "; accepted: --tempo, --beats, --smooth, --octave-higher, --mode, --help");
        }
    }
    if (positionals.size() != 2) {
        return Fail(std::string{positionals.size() < 2 ? "missing LIST or OUT.mid"
                                                       : "more than LIST and OUT.mid"} +
                    "; usage: " + std::string{kSynopsis});
    }
    request.listPath = positionals[0];
    request.outPath = positionals[1];
    return {request, {}, false};
}

std::string MidiExportUsageText() {
    return "Usage: " + std::string{kSynopsis} +
           "\n\n"
           "Turns a chord list saved by Vorlane (in any of its languages) into a Standard MIDI\n"
           "File: track 0 holds the tempo and a 4/4 time signature, track 1 the chords on\n"
           "channel 1, each with a marker of its name. Chords are in root position.\n\n"
           "Options:\n"
           "  --tempo BPM          beats per minute, 40 to 240 (default 90)\n"
           "  --beats N            beats per chord, 1 to 8 (default 4)\n"
           "  --smooth             move each chord to the placement nearest the one before\n"
           "  --octave-higher      every note one octave higher\n"
           "  --mode MODE          organ (held chords, default), piano or guitar (arpeggios\n"
           "                       over the first beat)\n"
           "  -h, --help           print this help and exit\n"
           "Values may also be given as --tempo=120.\n\n"
           "Exit status: 0 on success; 2 on bad input (an option, or a file that is not a\n"
           "chord list), 1 when OUT.mid cannot be written; OUT.mid is then left as it was.\n";
}

int RunMidiExport(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const MidiExportParse parse = ParseMidiExportArguments(args);
    if (parse.help) {
        out << MidiExportUsageText();
        return kExitSuccess;
    }
    if (!parse.request) {
        err << parse.error << '\n';
        return kExitUsage;
    }
    const MidiExportRequest& request = *parse.request;
    std::string bytes;
    if (auto error = ReadFile(request.listPath, bytes)) {
        err << "vorlane-cli: " << *error << '\n';
        return kExitUsage;
    }
    const ChordListReading reading = ReadChordList(bytes);
    if (reading.badLine != 0) {
        err << "vorlane-cli: " << BadListMessage(request.listPath, reading.badLine) << '\n';
        return kExitUsage;
    }
    if (reading.chords.empty()) {
        err << "vorlane-cli: " << Quoted(request.listPath) << " holds no chords\n";
        return kExitUsage;
    }
    if (auto error = WriteFileAtomically(request.outPath,
                                         StandardMidiFileBytes(reading.chords, request.options))) {
        err << "vorlane-cli: " << *error << '\n';
        return kExitWriteFailed;
    }
    return kExitSuccess;
}

}  // namespace vorlane::cli
