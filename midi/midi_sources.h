#pragma once

#include <string>
#include <vector>

namespace vorlane {

// The MIDI sources (keyboards, other programs' outputs) Vorlane's input can listen to, named
// as a patchbay shows them.
class MidiSources {
  public:
    virtual ~MidiSources() = default;
    virtual std::vector<std::string> Sources() = 0;
    virtual bool IsConnected(const std::string& source) = 0;
    virtual void SetConnected(const std::string& source, bool connected) = 0;
};

}  // namespace vorlane
