#include "app/cli/identify.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/identify_lines.h"
#include "app/cli/lookup.h"
#include "theory/scale.h"

namespace vorlane::cli {

namespace {

constexpr std::string_view kIdentifySynopsis =
    "vorlane-cli identify [--lang en|fr|nl] [--sharp] [--octave-higher] NOTE...";
constexpr std::string_view kListenSynopsis = "vorlane-cli listen [--lang en|fr|nl] [--sharp]";

constexpr std::array<std::string_view, 7> kLetters = {"C", "D", "E", "F", "G", "A", "B"};
constexpr std::array<int, 7> kLetterPitch = {0, 2, 4, 5, 7, 9, 11};
constexpr int kHighestNote = 127;

// The note a name stands for, in or out of the MIDI range; none when it is no note name.
std::optional<int> NamedNote(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    int pitch = -1;
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        if (text.substr(0, 1) == kLetters[i]) {
            pitch = kLetterPitch[i];
        }
    }
    if (pitch < 0) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == 'b' || text[0] == '#')) {
        pitch += text[0] == 'b' ? -1 : 1;
        text.remove_prefix(1);
    }
    const bool below = text == "-1";
    const std::optional<int> octave = below ? std::optional<int>{-1} : DecimalNumber(text, 3);
    if (!octave || (!below && (text.size() != 1))) {
        return std::nullopt;
    }
    return (*octave + 1) * 12 + pitch;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string{text} + "\"";
}

NamingParse Fail(std::string message) {
    return {std::nullopt, "vorlane-cli: " + std::move(message), false};
}

}  // namespace

std::optional<int> ParseNote(std::string_view text) {
    std::optional<int> note = DecimalNumber(text, 3);
    if (!note) {
        note = NamedNote(text);
    }
    if (!note || *note < 0 || *note > kHighestNote) {
        return std::nullopt;
    }
    return note;
}

NamingParse ParseNamingArguments(std::span<const std::string_view> args, bool identify) {
    const std::string_view synopsis = identify ? kIdentifySynopsis : kListenSynopsis;
    const std::string command = identify ? "identify" : "listen";
    NamingOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return {std::nullopt, {}, true};
        }
        const bool option = arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
        if (!option) {
            if (!identify) {
                return Fail("listen takes no notes (got " + Quoted(arg) +
                            "); usage: " + std::string{synopsis});
            }
            const std::optional<int> note = ParseNote(arg);
            if (!note) {
                return Fail("unknown or out-of-range note " + Quoted(arg) +
                            "; accepted: 0 to 127, or a letter A-G, an optional b or #, and an "
                            "octave -1 to 9 (C4 = 60), from C-1 to G9");
            }
            options.notes.push_back(*note);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (name == "--lang") {
            const std::optional<std::string_view> value = OptionValue(args, i);
            if (!value) {
                return Fail("option --lang needs a value; accepted: en, fr, nl");
            }
            bool known = false;
            for (const LanguageRow& row : Languages) {
                if (row.cliCode == *value) {
                    options.language = row.language;
                    known = true;
                }
            }
            if (!known) {
                return Fail("unknown language " + Quoted(*value) + "; accepted: en, fr, nl");
            }
        } else if (name == "--sharp" || (identify && name == "--octave-higher")) {
            if (equals != std::string_view::npos) {
                return Fail("option " + std::string{name} + " takes no value (got " + Quoted(arg) +
                            "); write " + std::string{name} + " alone");
            }
            if (name == "--sharp") {
                options.spelling = Spelling::Sharp;
            } else {
                options.octaveHigher = true;
            }
        } else {
            return Fail("option " + Quoted(arg) + " does not apply to " + command +
                        "; usage: " + std::string{synopsis});
        }
    }
    if (identify && options.notes.empty()) {
        return Fail("missing NOTE; usage: " + std::string{synopsis});
    }
    return {options, {}, false};
}

std::string NamedChordLine(const NamedChord& chord, Language language, Spelling spelling) {
    return BuildChordLine(TextsFor(language).chordCaption, chord.type,
                          ComputeDegreeKeys(RootKeyOf(chord.rootPitchClass)), spelling);
}

int RunIdentify(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (std::find(args.begin(), args.end(), kStandardInput) != args.end()) {
        return IdentifyLines(args, std::cin, out, err);
    }
    return IdentifyNotes(args, out, err);
}

int IdentifyNotes(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const NamingParse parse = ParseNamingArguments(args, true);
    if (parse.help) {
        out << NamingUsageText();
        return kExitSuccess;
    }
    if (!parse.options) {
        err << parse.error << '\n';
        return kExitUsage;
    }
    const NamingOptions& options = *parse.options;
    const std::optional<NamedChord> chord = NameChord(options.notes);
    if (!chord) {
        std::string played;
        for (int note : options.notes) {
            played += (played.empty() ? "" : " ") + std::to_string(note);
        }
        err << "vorlane-cli: the notes " << played << " name no chord\n";
        return kExitNoChord;
    }
    CliRequest request;
    request.chord.root = RootKeyOf(chord->rootPitchClass);
    request.chord.spelling = options.spelling;
    request.chord.type = chord->type;
    request.language = options.language;
    request.chord.inversion = chord->inversion;
    request.octaveHigher = options.octaveHigher;
    out << ComposeLookup(request);
    return kExitSuccess;
}

std::string NamingUsageText() {
    return "Usage: " + std::string{kIdentifySynopsis} + "\n       " + std::string{kListenSynopsis} +
           "\n\n"
           "identify names the chord the notes make and prints its look-up, as\n"
           "  vorlane-cli --inversion I ROOT TYPE would, with ROOT from the flat column\n"
           "  (the sharp column with --sharp).\n"
           "listen names the chords played on the connected MIDI keyboards and prints each\n"
           "  one's chord line as it is played, until interrupted.\n\n"
           "NOTE  a MIDI note 0 to 127, or a name: a letter A-G, an optional b or #, and an\n"
           "      octave -1 to 9, with C4 = 60 (so E3 G3 C4 is 52 55 60).\n\n"
           "Exit status: 0 on success (listen: when interrupted); 1 when the notes name no\n"
           "chord, or when no MIDI system is available for listen; 2 on bad input.\n";
}

}  // namespace vorlane::cli
