#include "i18n/midi_texts.h"

#include <array>

namespace vorlane {

namespace {

constinit const MidiTexts kEnglish{
    .systemCaption = "MIDI system: ",
    .alsaSequencer = "ALSA sequencer",
    .jack = "JACK",
    .noSystem = "none: no MIDI system found",
    .outputGone = "{port} is gone; playing on the built-in synth",
    .outputBack = "{port} is back; playing on it",
    .outputEchoes = "{port} sends back what it gets; your notes play on the built-in synth",
};

constinit const MidiTexts kFrench{
    .systemCaption = "Système MIDI : ",
    .alsaSequencer = "séquenceur ALSA",
    .jack = "JACK",
    .noSystem = "aucun : pas de système MIDI trouvé",
    .outputGone = "{port} a disparu ; le synthé intégré joue à sa place",
    .outputBack = "{port} est de retour ; il joue de nouveau",
    .outputEchoes = "{port} renvoie ce qu'il reçoit ; vos notes jouent sur le synthé intégré",
};

constinit const MidiTexts kDutch{
    .systemCaption = "MIDI-systeem: ",
    .alsaSequencer = "ALSA-sequencer",
    .jack = "JACK",
    .noSystem = "geen: geen MIDI-systeem gevonden",
    .outputGone = "{port} is weg; de ingebouwde synth speelt",
    .outputBack = "{port} is terug; er wordt weer op gespeeld",
    .outputEchoes = "{port} stuurt terug wat het krijgt; je noten spelen op de ingebouwde synth",
};

struct Column {
    Language language;
    const MidiTexts* texts;
};
constexpr std::array<Column, 3> kColumns = {{
    {Language::English, &kEnglish},
    {Language::French, &kFrench},
    {Language::Dutch, &kDutch},
}};

}  // namespace

const MidiTexts& MidiTextsFor(Language language) {
    for (const Column& column : kColumns) {
        if (column.language == language) {
            return *column.texts;
        }
    }
    return *kColumns.front().texts;
}

std::string WithPort(std::string_view text, std::string_view port) {
    std::string out{text};
    constexpr std::string_view kPlaceholder = "{port}";
    if (const std::size_t at = out.find(kPlaceholder); at != std::string::npos) {
        out.replace(at, kPlaceholder.size(), port);
    }
    return out;
}

}  // namespace vorlane
