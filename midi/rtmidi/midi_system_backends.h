#pragma once

#include <memory>

#include "midi/rtmidi/midi_system.h"

namespace vorlane {

std::unique_ptr<MidiSystem> OpenAlsaMidiSystem();
std::unique_ptr<MidiSystem> OpenJackMidiSystem();
void SilenceJack();

}  // namespace vorlane
