#include "midi/rtmidi/midi_system_sources.h"

namespace vorlane {

std::unique_ptr<MidiSystemSources> MidiSystemSources::Open(PortName inputPort) {
    std::unique_ptr<MidiSystem> system = MidiSystem::Open();
    if (!system) {
        return nullptr;
    }
    return std::make_unique<MidiSystemSources>(std::move(system), std::move(inputPort));
}

bool MidiSystemSources::IsConnected(const std::string& source) {
    const std::string port = inputPort_();
    return !port.empty() && system_->IsConnected(source, port);
}

void MidiSystemSources::SetConnected(const std::string& source, bool connected) {
    const std::string port = inputPort_();
    if (port.empty()) {
        return;
    }
    if (connected) {
        system_->Connect(source, port);
    } else {
        system_->Disconnect(source, port);
    }
}

}  // namespace vorlane
