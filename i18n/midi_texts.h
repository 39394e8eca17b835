#pragma once

#include <string>
#include <string_view>

#include "i18n/language_texts.h"

namespace vorlane {

// The texts of the MIDI features, one column per language. "{port}" stands for a port's name.
struct MidiTexts {
    std::string_view systemCaption;  // before the system's name in the menu and the about box
    std::string_view alsaSequencer;
    std::string_view jack;
    std::string_view noSystem;
    std::string_view outputGone;    // the chosen output went away
    std::string_view outputBack;    // and is playing again
    std::string_view outputEchoes;  // it sends back what it gets
};

const MidiTexts& MidiTextsFor(Language language);

// The text with "{port}" replaced by the port's name.
std::string WithPort(std::string_view text, std::string_view port);

}  // namespace vorlane
