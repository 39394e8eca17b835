#include "app/cli/arguments.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace vorlane::cli {

namespace {

constexpr std::string_view kSynopsis =
    "vorlane-cli [--lang en|fr|nl] [--sharp] [--inversion 0|1|2] [--octave-higher] ROOT [TYPE]";

constexpr KeyNumber kRootCount = 12;

bool IsNatural(KeyNumber k) {
    return FlatNoteNames[k] == SharpNoteNames[k];
}

// Root captions in button order: the flat column, then the sharp buttons that differ from it.
std::string RootList() {
    std::string flat;
    std::string sharp;
    for (KeyNumber k = 1; k <= kRootCount; ++k) {
        flat += (k > 1 ? " " : "");
        flat += FlatNoteNames[k];
        if (!IsNatural(k)) {
            sharp += (sharp.empty() ? "" : " ");
            sharp += SharpNoteNames[k];
        }
    }
    return flat + " (flat column), " + sharp + " (sharp column)";
}

std::string TypeNameList() {
    std::string names;
    for (const ChordTypeRow& row : ChordTypeTable) {
        names += (names.empty() ? "" : ", ");
        names += row.typeName;
    }
    return names;
}

std::string Quoted(std::string_view text) {
    // Appending in place: GCC 12 warns falsely (-Wrestrict) on a literal + std::string.
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

ParseOutcome Fail(std::string message) {
    return {CliAction::Fail, {}, "vorlane-cli: " + std::move(message)};
}

// A token is an option when it starts with '-', except a negative number, which is a
// (wrong) TYPE and deserves the TYPE message.
bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

bool TakesValue(std::string_view option) {
    return option == "--lang" || option == "--inversion";
}

bool AsksForHelp(std::span<const std::string_view> args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            return true;
        }
        if (TakesValue(args[i])) {
            ++i;  // the next token is that option's value, whatever it looks like
        }
    }
    return false;
}

std::optional<std::string> SetLanguage(std::string_view value, CliRequest& request) {
    for (const LanguageRow& row : Languages) {
        if (row.cliCode == value) {
            request.language = row.language;
            return std::nullopt;
        }
    }
    return "unknown language " + Quoted(value) + "; accepted: en, fr, nl";
}

std::optional<std::string> SetInversion(std::string_view value, CliRequest& request) {
    const std::optional<int> number = value.size() == 1 ? DecimalNumber(value, 2) : std::nullopt;
    if (!number || *number > 2) {
        return "unknown inversion " + Quoted(value) +
               "; accepted: 0 (root position), 1 (first), 2 (second)";
    }
    request.chord.inversion = static_cast<Inversion>(*number);
    return std::nullopt;
}

// A flat or sharp caption fixes the column; a natural belongs to both and follows --sharp.
std::optional<std::string> SetRoot(std::string_view caption, bool sharp, CliRequest& request) {
    for (KeyNumber k = 1; k <= kRootCount; ++k) {
        if (IsNatural(k) && caption == FlatNoteNames[k]) {
            request.chord.root = k;
            request.chord.spelling = sharp ? Spelling::Sharp : Spelling::Flat;
            return std::nullopt;
        }
        if (caption == FlatNoteNames[k] || caption == SharpNoteNames[k]) {
            request.chord.root = k;
            request.chord.spelling = caption == FlatNoteNames[k] ? Spelling::Flat : Spelling::Sharp;
            return std::nullopt;
        }
    }
    return "unknown root " + Quoted(caption) + "; accepted: " + RootList();
}

std::optional<std::string> SetType(std::string_view text, CliRequest& request) {
    if (const std::optional<int> number = DecimalNumber(text, 2)) {
        if (const std::optional<ChordType> type = ChordTypeNumbered(*number)) {
            request.chord.type = *type;
            return std::nullopt;
        }
    }
    if (const std::optional<ChordType> type = ChordTypeByName(text)) {
        request.chord.type = *type;
        return std::nullopt;
    }
    return "unknown chord type " + Quoted(text) +
           "; accepted: 0 to 23 or a name (any case): " + TypeNameList();
}

}  // namespace

std::optional<std::string_view> OptionValue(std::span<const std::string_view> args,
                                            std::size_t& i) {
    const std::string_view arg = args[i];
    if (const std::size_t equals = arg.find('='); equals != std::string_view::npos) {
        return arg.substr(equals + 1);
    }
    if (i + 1 < args.size()) {
        return args[++i];
    }
    return std::nullopt;
}

std::optional<int> DecimalNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

ParseOutcome ParseArguments(std::span<const std::string_view> args) {
    if (AsksForHelp(args)) {
        return {CliAction::ShowHelp, {}, {}};
    }
    CliRequest request;
    bool sharp = false;
    std::vector<std::string_view> positionals;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!IsOption(arg)) {
            positionals.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (name == "--sharp" || name == "--octave-higher") {
            if (equals != std::string_view::npos) {
                return Fail("option " + std::string{name} + " takes no value (got " + Quoted(arg) +
                            "); write " + std::string{name} + " alone");
            }
            (name == "--sharp" ? sharp : request.octaveHigher) = true;
        } else if (TakesValue(name)) {
            const std::optional<std::string_view> value = OptionValue(args, i);
            if (!value) {
                return Fail("option " + std::string{name} + " needs a value; accepted: " +
                            (name == "--lang" ? "en, fr, nl" : "0, 1, 2"));
            }
            if (auto error = name == "--lang" ? SetLanguage(*value, request)
                                              : SetInversion(*value, request)) {
                return Fail(*error);
            }
        } else {
            return Fail("unknown option " + Quoted(arg) +
                        "; accepted: --lang, --sharp, --inversion, --octave-higher, --help");
        }
    }
    if (positionals.empty()) {
        return Fail("missing ROOT; usage: " + std::string{kSynopsis});
    }
    if (positionals.size() > 2) {
        return Fail("unexpected argument " + Quoted(positionals[2]) +
                    " after ROOT and TYPE; usage: " + std::string{kSynopsis});
    }
    if (auto error = SetRoot(positionals[0], sharp, request)) {
        return Fail(*error);
    }
    if (positionals.size() == 2) {
        if (auto error = SetType(positionals[1], request)) {
            return Fail(*error);
        }
    }
    return {CliAction::LookUp, request, {}};
}

std::string UsageText() {
    std::string text = "Usage: " + std::string{kSynopsis} + "\n\n";
    text +=
        "Prints the major scale of ROOT, the chords of its key, the chord ROOT TYPE, the keys\n"
        "its markers stand on (1 = lowest C of the three-octave keyboard, in the order of the\n"
        "chord's tones) and the MIDI notes those keys sound.\n\n"
        "ROOT  a root button: " +
        RootList() +
        ".\n"
        "      A natural (C D E F G A B) is taken from the flat column unless --sharp is given;\n"
        "      a root written with b or # names its own column and --sharp does not change it.\n"
        "      Every note name follows the column of the root.\n"
        "TYPE  the chord type's number or name (any letter case); default 0:\n";
    constexpr int kRows = kChordTypeCount / 2;
    auto entry = [](ChordType t) {
        const int number = NumberOf(t);
        return (number < 10 ? " " : "") + std::to_string(number) + " " +
               std::string{RowOf(t).typeName};
    };
    for (int row = 0; row < kRows; ++row) {
        std::string left = "  " + entry(AllChordTypes[static_cast<std::size_t>(row)]);
        left.resize(22, ' ');
        text +=
            "      " + left + entry(AllChordTypes[static_cast<std::size_t>(row + kRows)]) + "\n";
    }
    text +=
        "\nOptions:\n"
        "  --lang en|fr|nl      language of the line captions (default en)\n"
        "  --sharp              take a natural ROOT from the sharp column\n"
        "  --inversion 0|1|2    root position, first or second inversion (default 0);\n"
        "                       types 12 to 21 cannot be inverted and ignore it\n"
        "  --octave-higher      MIDI notes one octave higher\n"
        "  -h, --help           print this help and exit\n"
        "Values may also be given as --lang=fr, --inversion=1.\n\n"
        "Exit status: 0 on success; 2 on bad input, with one line on standard error.\n\n"
        "To name the chord of played notes: vorlane-cli identify NOTE..., or vorlane-cli\n"
        "listen for a MIDI keyboard; vorlane-cli identify --help tells more.\n"
        "To turn a saved chord list into a MIDI file: vorlane-cli midi LIST OUT.mid;\n"
        "vorlane-cli midi --help tells more.\n";
    return text;
}

}  // namespace vorlane::cli
