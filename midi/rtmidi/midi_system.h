#pragma once

#include <memory>
#include <string>
#include <vector>

#include <rtmidi/RtMidi.h>

namespace vorlane {

// The MIDI system Vorlane's ports live on, chosen once per process: the ALSA sequencer where it
// can be opened (desktop keyboards appear there, also under PipeWire), else a JACK server that
// is already running (never one started for us). Besides the RtMidi ports it keeps a client of
// its own to list, watch and connect ports. Both libraries' own messages are kept off the
// terminal. Ports are named as a patchbay shows them; ALSA's by their "client:port" numbers.
class MidiSystem {
  public:
    static constexpr const char* kClientName = "Vorlane";

    // None when neither system is there.
    static std::unique_ptr<MidiSystem> Open();

    virtual ~MidiSystem() = default;
    virtual RtMidi::Api Api() const = 0;
    // The input ports named portName of this process's clients named kClientName, as they
    // stand now.
    virtual std::vector<std::string> OwnInputPorts(const std::string& portName) = 0;
    // The sources of hardware devices present now: never Vorlane's own ports, never the
    // software "through" ports.
    virtual std::vector<std::string> HardwareSources() = 0;
    // Every source present now that another program's or a device's port can be, never
    // Vorlane's own.
    virtual std::vector<std::string> Sources() = 0;
    // Connects source to destination; true also when they were connected already.
    virtual bool Connect(const std::string& source, const std::string& destination) = 0;
    virtual void Disconnect(const std::string& source, const std::string& destination) = 0;
    virtual bool IsConnected(const std::string& source, const std::string& destination) = 0;
};

}  // namespace vorlane
