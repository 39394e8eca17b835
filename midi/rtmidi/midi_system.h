#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/midi_in.h"
#include "midi/midi_message.h"
#include "midi/midi_sources.h"

namespace vorlane {

// One MIDI system as Vorlane lives on it: a client named kClientName with an input port and an
// output port, and the listing and connecting of other ports. The ALSA sequencer where it can
// be opened (desktop keyboards appear there, also under PipeWire), else a JACK server that is
// already running (never one started for us). Both libraries' own messages are kept off the
// terminal. Ports are named as a patchbay shows them; ALSA's by their "client:port" numbers.
// Calls are made one at a time (MidiConnection locks); the input reaches the sink from the
// system's own thread.
class MidiSystem {
  public:
    static constexpr const char* kClientName = "Vorlane";
    static constexpr const char* kInputPortName = "MIDI in";
    static constexpr const char* kOutputPortName = "MIDI out";

    // What the system tells besides the input: its server went away.
    struct Sink {
        MidiInHandler& input;
        std::function<void()> lost;  // from a thread of the system's own
        std::atomic<SourceId>& nextSource;
    };

    // None when neither system is there.
    static std::unique_ptr<MidiSystem> Open(Sink sink);

    // Stops the input: every source it had is told gone before this returns.
    virtual ~MidiSystem() = default;
    virtual MidiSystemKind Kind() const = 0;
    // The server went away: nothing works any more, and the system is to be closed.
    virtual bool Lost() const = 0;
    // Vorlane's input port as the patchbay names it.
    virtual std::string InputPort() = 0;

    // The sources of hardware devices present now, never the software "through" ports.
    virtual std::vector<std::string> HardwareSources() = 0;
    // Every source present now, Vorlane's own ports left out.
    virtual std::vector<std::string> Sources() = 0;
    // Connects a source to Vorlane's input; true also when they were connected already.
    virtual bool ConnectSource(const std::string& source) = 0;
    virtual void DisconnectSource(const std::string& source) = 0;
    virtual bool IsSourceConnected(const std::string& source) = 0;
    // Whether a source connected to the input went away since the last call, where the system
    // does not tell the input by itself (then all the input's sources count as one).
    virtual bool SourcesWent() = 0;

    // The destinations present now, Vorlane's own ports left out.
    virtual std::vector<std::string> Destinations() = 0;
    // Connects Vorlane's output to this destination alone; false when it is not there.
    virtual bool ConnectOutput(const std::string& destination) = 0;
    virtual void DisconnectOutput() = 0;
    // False when the message cannot reach the connected destination (it went away).
    virtual bool Send(const MidiMessage& message) = 0;
};

std::unique_ptr<MidiSystem> OpenAlsaMidiSystem(MidiSystem::Sink sink);
std::unique_ptr<MidiSystem> OpenJackMidiSystem(MidiSystem::Sink sink);
void SilenceJack();

}  // namespace vorlane
