#pragma once

#include "midi/midi_message.h"

namespace vorlane {

// Which source (a keyboard, another program's port) a message came from: a number the input
// gives each source for as long as it is connected.
using SourceId = int;
// Messages whose source the MIDI system does not tell apart all come from this one.
inline constexpr SourceId kMergedSources = 0;

// What the connected sources play, told on the input's own thread (never the GUI thread), one
// call at a time and in the order it happened.
class MidiInHandler {
  public:
    virtual ~MidiInHandler() = default;
    virtual void OnMessage(SourceId source, const MidiMessage& message) = 0;
    // The source went away (unplugged, its program ended or disconnected it, the MIDI server
    // stopped): it will not release what it holds.
    virtual void OnSourceGone(SourceId source) = 0;
    // The MIDI system opened, went away or came back: what it lists may have changed.
    virtual void OnSystemChanged() {}
};

// Vorlane's MIDI input: the keyboards and other sources connected to it.
class MidiIn {
  public:
    virtual ~MidiIn() = default;
    // Starts telling the handler; false when there is no MIDI system and none is looked for,
    // in which case nothing is ever told.
    virtual bool Open(MidiInHandler& handler) = 0;
    // Stops telling; no call reaches the handler after this returns.
    virtual void Close() = 0;
};

}  // namespace vorlane
