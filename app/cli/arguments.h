#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "i18n/language_texts.h"
#include "theory/chord.h"
#include "theory/chord_types.h"
#include "theory/chord_value.h"
#include "theory/notes.h"

namespace vorlane::cli {

// One chord look-up as the command line asked for it.
struct CliRequest {
    ChordValue chord;
    Language language = Language::English;
    bool octaveHigher = false;
};

enum class CliAction { LookUp, ShowHelp, Fail };

struct ParseOutcome {
    CliAction action = CliAction::Fail;
    CliRequest request;  // meaningful for LookUp
    std::string error;   // one line without newline, for Fail
};

// Reads the arguments after the program name. Options may stand anywhere among the
// positional ROOT [TYPE]; "--help" anywhere wins over every other argument.
ParseOutcome ParseArguments(std::span<const std::string_view> args);

// A plain decimal of one to maxDigits digits, without sign or spaces; none otherwise.
std::optional<int> DecimalNumber(std::string_view text, std::size_t maxDigits);

// The value of the option at args[i], written "--name=value" or "--name value" (then i moves
// past the value); none when no value follows.
std::optional<std::string_view> OptionValue(std::span<const std::string_view> args, std::size_t& i);

// The text printed by --help, ending with a newline.
std::string UsageText();

}  // namespace vorlane::cli
