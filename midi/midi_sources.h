#pragma once

#include <string>
#include <vector>

namespace vorlane {

// The MIDI system Vorlane's ports live on.
enum class MidiSystemKind { None, AlsaSequencer, Jack };

// The MIDI sources (keyboards, other programs' outputs) Vorlane's input can listen to, named
// as a patchbay shows them, and the system they are on.
class MidiSources {
  public:
    virtual ~MidiSources() = default;
    virtual MidiSystemKind System() = 0;
    virtual std::vector<std::string> Sources() = 0;
    virtual bool IsConnected(const std::string& source) = 0;
    virtual void SetConnected(const std::string& source, bool connected) = 0;
};

}  // namespace vorlane
