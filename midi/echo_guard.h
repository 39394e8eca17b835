#pragma once

#include <array>
#include <cstdint>

#include "midi/midi_message.h"

namespace vorlane {

// Remembers what went to an external destination a moment ago, to tell an echo of it (a device
// or program that sends back what it receives, into Vorlane's input) from what a player plays.
// A destination that echoed a few messages is taken for one that echoes everything.
class EchoGuard {
  public:
    static constexpr std::int64_t kWindowMs = 100;  // a round trip through one or two buffers
    static constexpr int kEchoesToTell = 3;

    void Sent(const MidiMessage& message, std::int64_t nowMs);
    // Whether the message is one sent within the window; each one sent is matched once.
    bool TakeEcho(const MidiMessage& message, std::int64_t nowMs);
    bool Echoing() const { return echoes_ >= kEchoesToTell; }
    void Reset() { *this = EchoGuard{}; }

  private:
    struct Entry {
        MidiMessage message;
        std::int64_t atMs = 0;
        bool taken = true;
    };
    std::array<Entry, 256> recent_{};
    std::size_t next_ = 0;
    int echoes_ = 0;
};

}  // namespace vorlane
