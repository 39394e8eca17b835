#pragma once

#include <functional>

#include "midi/midi_message.h"

namespace vorlane {

// What is played on the connected MIDI sources (keyboards), delivered on the GUI thread.
class MidiIn {
  public:
    using Receiver = std::function<void(const MidiMessage&)>;

    virtual ~MidiIn() = default;
    // Starts delivering messages to the receiver; false when there is no MIDI system, in which
    // case nothing is ever delivered.
    virtual bool Open(Receiver receiver) = 0;
    // Stops delivering; no message reaches the receiver after this returns.
    virtual void Close() = 0;
};

}  // namespace vorlane
