#pragma once

#include <cstdint>
#include <functional>

namespace vorlane {

// One channel message as a MIDI source sent it (running status already expanded).
struct MidiMessage {
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;

    int Kind() const { return status & 0xF0; }
    int Channel() const { return status & 0x0F; }
};

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
