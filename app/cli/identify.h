#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language_texts.h"
#include "theory/chord_naming.h"
#include "theory/notes.h"

namespace vorlane::cli {

// A MIDI note 0..127, written as a number or as a name with its octave ("C4" is 60, "Bb-1" 10,
// "c4" 60 too).
std::optional<int> ParseNote(std::string_view text);

// The options shared by the commands that name played chords.
struct NamingOptions {
    Language language = Language::English;
    Spelling spelling = Spelling::Flat;
    bool octaveHigher = false;
    bool verbose = false;              // identify: the inversion in words too
    std::vector<int> notes;            // identify
    std::vector<std::string> connect;  // listen: sources to connect besides the hardware
};

struct NamingParse {
    std::optional<NamingOptions> options;  // none: error holds the one-line message
    std::string error;
    bool help = false;
};

// Reads the arguments after "identify" (notes allowed, --octave-higher too) or after "listen"
// (neither).
NamingParse ParseNamingArguments(std::span<const std::string_view> args, bool identify);

// The chord line of a named chord: "<caption><root><suffix>:   n1 - n2 - ...".
std::string NamedChordLine(const NamedChord& chord, Language language, Spelling spelling);

inline constexpr int kExitNoChord = 1;

// "Position: 1st reversal": the inversion in words, as the window's selector names it.
std::string InversionLine(Inversion inversion, Language language);

// "vorlane-cli identify ...": prints the look-up of the chord the notes name; with "-" among
// the arguments, of each chord named on standard input (see IdentifyLines).
int RunIdentify(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// The same for the notes (and options) of the arguments alone.
int IdentifyNotes(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// The help shared by both commands, ending with a newline.
std::string NamingUsageText();

}  // namespace vorlane::cli
