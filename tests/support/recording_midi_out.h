#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "midi/midi_out.h"

namespace vorlane {

// Records every call with the time it was made, for tests and benchmarks. Like a real device
// it only records messages while open, unless recordWhileClosed is set. Calls may come from
// several threads, as the player's notes come from the MIDI input's.
class RecordingMidiOut final : public MidiOut {
  public:
    enum class Kind { Open, AllNotesOff, Close, Message };
    using Message = MidiMessage;
    struct Event {
        Kind kind;
        std::int64_t timeMs;
        Message message;  // all zero for the kinds other than Message

        bool IsNoteOn() const { return kind == Kind::Message && message.status == kNoteOnStatus; }
        bool IsProgramChange() const {
            return kind == Kind::Message && message.status == kProgramChangeStatus;
        }
    };

    explicit RecordingMidiOut(std::function<std::int64_t()> clock = {})
        : clock_(std::move(clock)) {}

    void Open() override;
    void AllNotesOff() override;
    void Close() override;
    void Send(const MidiMessage& message) override;

    bool IsOpen() const { return open_; }
    std::vector<Event> Events() const;
    void Clear();

    // The notes of the note-on messages recorded so far, in order.
    std::vector<int> NotesOn() const;

    bool recordWhileClosed = false;

  private:
    void Record(Kind kind, Message message);

    std::function<std::int64_t()> clock_;
    mutable std::mutex mutex_;
    std::vector<Event> events_;
    std::atomic<bool> open_{false};
};

}  // namespace vorlane
