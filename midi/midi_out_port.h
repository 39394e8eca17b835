#pragma once

#include <string>
#include <vector>

#include "midi/midi_in.h"

namespace vorlane {

// Vorlane's own output port on the MIDI system, connected to at most one destination (another
// program's or a device's input). Destinations are named as a patchbay shows them
// ("client:port").
class MidiOutPort {
  public:
    virtual ~MidiOutPort() = default;
    // The destinations present now, Vorlane's own ports left out.
    virtual std::vector<std::string> Destinations() = 0;
    // Connects the port to this destination only; false when it is not there.
    virtual bool Connect(const std::string& destination) = 0;
    virtual void Disconnect() = 0;
    // Sends a channel message (two bytes for a program change, three otherwise); false when it
    // could not be delivered (the destination went away).
    virtual bool Send(const MidiMessage& message) = 0;
};

}  // namespace vorlane
