#include "app/cli/lookup.h"

#include <ostream>

#include "app/cli/identify.h"
#include "app/cli/midi_export.h"
#include "midi/midi_out.h"
#include "theory/scale.h"

namespace vorlane::cli {

std::string ComposeLookup(const CliRequest& request) {
    const LanguageTexts& texts = TextsFor(request.language);
    const ChordValue& chord = request.chord;
    const std::vector<PlacedTone> tones = PlaceChord(chord);

    std::string out = BuildScaleLine(texts.scaleCaption, chord.root, chord.spelling) + "\n";
    out += BuildCompatibleLine(texts.compatibleCaption, chord.root, chord.spelling) + "\n";
    out += ChordLine(texts.chordCaption, chord) + "\n";
    out += "Keys:";
    for (const PlacedTone& tone : tones) {
        out += " " + std::to_string(tone.key);
    }
    out += "\nMIDI:";
    for (const PlacedTone& tone : tones) {
        out += " " + std::to_string(KeyNote(tone.key, request.octaveHigher));
    }
    out += "\n";
    return out;
}

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args.front() == "identify") {
        return RunIdentify(args.subspan(1), out, err);
    }
    if (!args.empty() && args.front() == "midi") {
        return RunMidiExport(args.subspan(1), out, err);
    }
    const ParseOutcome outcome = ParseArguments(args);
    switch (outcome.action) {
        case CliAction::ShowHelp:
            out << UsageText();
            return kExitSuccess;
        case CliAction::LookUp:
            out << ComposeLookup(outcome.request);
            return kExitSuccess;
        case CliAction::Fail:
            break;
    }
    err << outcome.error << '\n';
    return kExitUsage;
}

}  // namespace vorlane::cli
