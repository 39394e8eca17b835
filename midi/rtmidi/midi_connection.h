#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "midi/midi_in.h"
#include "midi/midi_out_port.h"
#include "midi/midi_sources.h"
#include "midi/rtmidi/midi_system.h"

namespace vorlane {

// Vorlane on the MIDI system: the system is probed once, on a thread of its own so that nobody
// waits for it, and then watched: hardware sources are connected to the input as they appear,
// and when the server goes away its sources are let go, the system is looked for again, and
// once it is back the hardware sources, the sources connected by hand and the output's
// destination (through onChange) are connected again. It is the window's MIDI input, output
// port and sources list at once; until a system is open they are empty and silent.
class MidiConnection final : public MidiIn, public MidiOutPort, public MidiSources {
  public:
    static constexpr int kWatchMs = 250;
    static constexpr int kRetryMs = 500;
    static constexpr int kLostGraceMs = 500;  // a lost system is closed this long after

    // onChange and the input's handler are told, from the watch thread, when the system opens
    // or goes away and when the watch connects a source by itself.
    explicit MidiConnection(std::function<void()> onChange = {});
    ~MidiConnection() override;
    MidiConnection(const MidiConnection&) = delete;
    MidiConnection& operator=(const MidiConnection&) = delete;

    // Starts the watch, which probes first; returns at once.
    void Start();
    // Probes on the calling thread, then starts the watch; false when there is no system, and
    // then none is looked for later either.
    bool StartNow();

    // MidiIn: a handler may be given before the system opens.
    bool Open(MidiInHandler& handler) override;
    void Close() override;

    // MidiSources.
    MidiSystemKind System() override;
    std::vector<std::string> Sources() override;
    bool IsConnected(const std::string& source) override;
    void SetConnected(const std::string& source, bool connected) override;
    // The sources this connected to the input (by itself or as asked), present now.
    std::vector<std::string> ConnectedSources();
    // Vorlane's input port as the patchbay names it; empty without a system.
    std::string InputPort();

    // MidiOutPort.
    std::vector<std::string> Destinations() override;
    bool Connect(const std::string& destination) override;
    void Disconnect() override;
    bool Send(const MidiMessage& message) override;

  private:
    // Hands the system's input to the handler of the moment, one call at a time.
    class Relay final : public MidiInHandler {
      public:
        explicit Relay(MidiConnection& owner) : owner_(owner) {}
        void OnMessage(SourceId source, const MidiMessage& message) override;
        void OnSourceGone(SourceId source) override;
        void OnSystemChanged() override;

      private:
        MidiConnection& owner_;
    };

    void Watch();
    bool Probe();
    void ForgetLostSystem();
    void ConnectArrivals();
    void Changed();

    std::function<void()> onChange_;
    Relay relay_{*this};
    std::atomic<SourceId> nextSource_{kMergedSources + 1};

    std::mutex handlerMutex_;
    MidiInHandler* handler_ = nullptr;

    std::mutex systemMutex_;  // the system and what it was told
    std::unique_ptr<MidiSystem> system_;
    std::set<std::string> attached_;   // connected by the watch since they appeared
    std::set<std::string> wanted_;     // connected by hand: again after the server is back
    std::set<std::string> connected_;  // by this, by itself or as asked
    std::string destination_;          // the output's, until Disconnect

    std::mutex watchMutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    bool lookAgain_ = true;  // after a loss, or when nothing was found at start
    std::thread watcher_;
};

}  // namespace vorlane
