#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/midi_sources.h"
#include "midi/rtmidi/midi_system.h"

namespace vorlane {

// The sources of a MIDI system as seen from Vorlane's input port, which may open later or
// not at all: until it has a name every source reads as unconnected and nothing is connected.
class MidiSystemSources final : public MidiSources {
  public:
    using PortName = std::function<std::string()>;

    // None when there is no MIDI system.
    static std::unique_ptr<MidiSystemSources> Open(PortName inputPort);

    MidiSystemSources(std::unique_ptr<MidiSystem> system, PortName inputPort)
        : system_(std::move(system)), inputPort_(std::move(inputPort)) {}

    std::vector<std::string> Sources() override { return system_->Sources(); }
    bool IsConnected(const std::string& source) override;
    void SetConnected(const std::string& source, bool connected) override;

  private:
    std::unique_ptr<MidiSystem> system_;
    PortName inputPort_;
};

}  // namespace vorlane
