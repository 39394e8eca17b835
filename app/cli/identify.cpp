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
    "vorlane-cli identify [--lang en|fr|nl] [--sharp] [--octave-higher] [--verbose] NOTE...";
constexpr std::string_view kListenSynopsis =
    "vorlane-cli listen [--lang en|fr|nl] [--sharp] [--connect PORT]...";

constexpr std::array<char, 7> kLetters = {'C', 'D', 'E', 'F', 'G', 'A', 'B'};
constexpr std::array<int, 7> kLetterPitch = {0, 2, 4, 5, 7, 9, 11};
constexpr int kHighestNote = 127;
constexpr int kFirstOctave = 3;  // of a first note written without one: E G C is E3 G3 C4

// A note name: its pitch counted from C of octave -1's C (B#3 is 60), and its octave when it
// has one; none when the text is no note name. The letter may be in either case.
struct WrittenNote {
    int pitch = 0;
    std::optional<int> octave;
};
std::optional<WrittenNote> NamedNote(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    int pitch = -1;
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        if (text[0] == kLetters[i] || text[0] == kLetters[i] - 'A' + 'a') {
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
    if (text.empty()) {
        return WrittenNote{pitch, std::nullopt};
    }
    const bool below = text == "-1";
    const std::optional<int> octave = below ? std::optional<int>{-1} : DecimalNumber(text, 3);
    if (!octave || (!below && (text.size() != 1))) {
        return std::nullopt;
    }
    return WrittenNote{pitch, octave};
}

std::optional<int> InRange(int note) {
    return note < 0 || note > kHighestNote ? std::nullopt : std::optional<int>{note};
}

// A note after the one before it (none for the first): a number or a name with its octave
// stands for itself; a name without one for the nearest such note above the one before.
std::optional<int> NoteAfter(std::string_view text, std::optional<int> before) {
    if (const std::optional<int> number = DecimalNumber(text, 3)) {
        return InRange(*number);
    }
    const std::optional<WrittenNote> written = NamedNote(text);
    if (!written) {
        return std::nullopt;
    }
    if (written->octave) {
        return InRange((*written->octave + 1) * 12 + written->pitch);
    }
    int note = (kFirstOctave + 1) * 12 + written->pitch;
    if (before) {
        note = *before + 1 + ((written->pitch - (*before + 1)) % 12 + 12) % 12;
    }
    return InRange(note);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string{text} + "\"";
}

NamingParse Fail(std::string message) {
    return {std::nullopt, "vorlane-cli: " + std::move(message), false};
}

}  // namespace

std::optional<int> ParseNote(std::string_view text) {
    const std::optional<WrittenNote> written = NamedNote(text);
    if (written && !written->octave) {
        return std::nullopt;  // only a note among others goes without its octave
    }
    return NoteAfter(text, std::nullopt);
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
            const std::optional<int> note = NoteAfter(
                arg, options.notes.empty() ? std::nullopt : std::optional{options.notes.back()});
            if (!note) {
                return Fail("unknown or out-of-range note " + Quoted(arg) +
                            "; accepted: 0 to 127, or a letter A-G or a-g, an optional b or #, "
                            "and an octave -1 to 9 (C4 = 60), from C-1 to G9; without the octave, "
                            "the nearest such note above the one before");
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
        } else if (!identify && name == "--connect") {
            const std::optional<std::string_view> value = OptionValue(args, i);
            if (!value || value->empty()) {
                return Fail("option --connect needs a port, as a patchbay names it");
            }
            options.connect.emplace_back(*value);
        } else if (name == "--sharp" ||
                   (identify && (name == "--octave-higher" || name == "--verbose"))) {
            if (equals != std::string_view::npos) {
                return Fail("option " + std::string{name} + " takes no value (got " + Quoted(arg) +
                            "); write " + std::string{name} + " alone");
            }
            if (name == "--sharp") {
                options.spelling = Spelling::Sharp;
            } else if (name == "--verbose") {
                options.verbose = true;
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
    if (options.verbose) {
        out << InversionLine(chord->inversion, options.language) << '\n';
    }
    return kExitSuccess;
}

std::string InversionLine(Inversion inversion, Language language) {
    const LanguageTexts& texts = TextsFor(language);
    return std::string{texts.inversionLabel} + ": " +
           std::string{texts.inversionItems[static_cast<std::size_t>(inversion)]};
}

std::string NamingUsageText() {
    return "Usage: " + std::string{kIdentifySynopsis} + "\n       " + std::string{kListenSynopsis} +
           "\n\n"
           "identify names the chord the notes make and prints its look-up, as\n"
           "  vorlane-cli --inversion I ROOT TYPE would, with ROOT from the flat column\n"
           "  (the sharp column with --sharp).\n"
           "  --verbose adds a sixth line, the inversion in words.\n"
           "listen names the chords played on the connected MIDI keyboards and prints each\n"
           "  one's chord line as it is played, until interrupted. It connects the hardware\n"
           "  keyboards by itself, and each --connect PORT (another program's output, as\n"
           "  a patchbay names it) as soon as it is there; standard error tells which MIDI\n"
           "  system and which sources it is listening to.\n\n"
           "NOTE  a MIDI note 0 to 127, or a name: a letter A-G (or a-g), an optional b or #,\n"
           "      and an octave -1 to 9, with C4 = 60 (so E3 G3 C4 is 52 55 60). Without\n"
           "      an octave a name is the nearest such note above the one before, the first\n"
           "      one in octave 3 (so e g c is E3 G3 C4 too).\n\n"
           "Exit status: 0 on success (listen: when interrupted); 1 when the notes name no\n"
           "chord, or when no MIDI system is available for listen; 2 on bad input.\n";
}

}  // namespace vorlane::cli
