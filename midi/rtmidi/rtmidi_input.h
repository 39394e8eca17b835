#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "midi/midi_in.h"
#include "midi/rtmidi/midi_system.h"

class RtMidiIn;

namespace vorlane {

// Vorlane's MIDI input port "MIDI in" on RtMidi. It connects itself to every hardware source
// present when it opens and to each one plugged in later (checked twice a second); any other
// source can be connected by hand. Messages arrive on RtMidi's thread and are handed to the
// receiver through post, which runs them on the GUI thread.
class RtMidiInput final : public MidiIn {
  public:
    using Post = std::function<void(std::function<void()>)>;
    static constexpr const char* kPortName = "MIDI in";

    explicit RtMidiInput(Post post);
    ~RtMidiInput() override;
    RtMidiInput(const RtMidiInput&) = delete;
    RtMidiInput& operator=(const RtMidiInput&) = delete;

    bool Open(Receiver receiver) override;
    void Close() override;

    // The port as the patchbay names it, empty while closed.
    std::string PortName() const { return portName_; }

  private:
    static void OnMessage(double, std::vector<unsigned char>* bytes, void* self);
    void Watch();
    void ConnectNewSources();

    // Shared with the tasks in flight: Close turns it off, so none delivers afterwards.
    struct Delivery {
        std::atomic<bool> open{true};
        Receiver receiver;
    };

    Post post_;
    std::unique_ptr<MidiSystem> system_;
    std::unique_ptr<RtMidiIn> in_;
    std::shared_ptr<Delivery> delivery_;
    std::string portName_;
    std::set<std::string> connected_;

    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread watcher_;
};

}  // namespace vorlane
