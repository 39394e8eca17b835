#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "midi/midi_sources.h"

namespace vorlane {

// MIDI sources a test lists and whose connections it reads back.
class FakeMidiSources final : public MidiSources {
  public:
    std::vector<std::string> present;
    std::vector<std::string> connected;
    MidiSystemKind system = MidiSystemKind::Jack;

    MidiSystemKind System() override { return system; }
    std::vector<std::string> Sources() override { return present; }
    bool IsConnected(const std::string& source) override {
        return std::find(connected.begin(), connected.end(), source) != connected.end();
    }
    void SetConnected(const std::string& source, bool connect) override {
        std::erase(connected, source);
        if (connect) {
            connected.push_back(source);
        }
    }
};

}  // namespace vorlane
