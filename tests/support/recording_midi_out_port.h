#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "midi/midi_out_port.h"

namespace vorlane {

// An output port on a pretend MIDI system whose destinations a test adds and removes; records
// what reaches each destination and when.
class RecordingMidiOutPort final : public MidiOutPort {
  public:
    struct Delivery {
        std::string destination;
        std::int64_t timeMs;
        MidiMessage message;
    };

    explicit RecordingMidiOutPort(std::function<std::int64_t()> clock = {})
        : clock_(std::move(clock)) {}

    std::vector<std::string> Destinations() override { return present; }
    bool Connect(const std::string& destination) override;
    void Disconnect() override { connected_.clear(); }
    bool Send(const MidiMessage& message) override;

    const std::string& Connected() const { return connected_; }
    // What reached one destination, in order.
    std::vector<Delivery> To(const std::string& destination) const;

    std::vector<std::string> present;  // the destinations on the system now
    std::vector<Delivery> deliveries;

  private:
    bool IsPresent(const std::string& destination) const;

    std::function<std::int64_t()> clock_;
    std::string connected_;
};

}  // namespace vorlane
