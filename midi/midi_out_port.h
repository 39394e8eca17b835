#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

// One MIDI message of up to three bytes; size says how many count.
struct ShortMessage {
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    std::uint8_t size = 3;
    friend bool operator==(const ShortMessage&, const ShortMessage&) = default;
};

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
    // False when the message could not be delivered (the destination went away).
    virtual bool Send(const ShortMessage& message) = 0;
};

}  // namespace vorlane
