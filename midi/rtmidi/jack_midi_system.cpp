#include <jack/jack.h>

#include <cerrno>
#include <cstring>

#include "midi/rtmidi/midi_system_backends.h"

namespace vorlane {

namespace {

void Quiet(const char*) {}

class JackMidiSystem final : public MidiSystem {
  public:
    explicit JackMidiSystem(jack_client_t* client) : client_(client) {}
    ~JackMidiSystem() override { jack_client_close(client_); }

    RtMidi::Api Api() const override { return RtMidi::UNIX_JACK; }

    std::vector<std::string> OwnInputPorts(const std::string& portName) override {
        std::vector<std::string> own;
        for (const std::string& port : Ports(JackPortIsInput)) {
            const std::size_t colon = port.find(':');
            const std::string client = port.substr(0, colon);
            // JACK numbers a second client of the same name: "Vorlane-01".
            const bool ours =
                client == kClientName || client.rfind(std::string{kClientName} + "-", 0) == 0;
            if (ours && port.substr(colon + 1) == portName) {
                own.push_back(port);
            }
        }
        return own;
    }

    std::vector<std::string> HardwareSources() override {
        std::vector<std::string> sources;
        for (const std::string& port : Ports(JackPortIsOutput | JackPortIsPhysical)) {
            if (port.find("Through") == std::string::npos &&
                port.rfind(std::string{kClientName}, 0) != 0) {
                sources.push_back(port);
            }
        }
        return sources;
    }

    std::vector<std::string> Sources() override {
        std::vector<std::string> sources;
        for (const std::string& port : Ports(JackPortIsOutput)) {
            const std::string client = port.substr(0, port.find(':'));
            if (client != kClientName && client.rfind(std::string{kClientName} + "-", 0) != 0) {
                sources.push_back(port);
            }
        }
        return sources;
    }

    bool Connect(const std::string& source, const std::string& destination) override {
        const int result = jack_connect(client_, source.c_str(), destination.c_str());
        return result == 0 || result == EEXIST;
    }

    void Disconnect(const std::string& source, const std::string& destination) override {
        jack_disconnect(client_, source.c_str(), destination.c_str());
    }

    bool IsConnected(const std::string& source, const std::string& destination) override {
        jack_port_t* port = jack_port_by_name(client_, source.c_str());
        return port != nullptr && jack_port_connected_to(port, destination.c_str()) != 0;
    }

  private:
    std::vector<std::string> Ports(unsigned long flags) {
        std::vector<std::string> ports;
        if (const char** names = jack_get_ports(client_, nullptr, JACK_DEFAULT_MIDI_TYPE, flags)) {
            for (const char** name = names; *name != nullptr; ++name) {
                ports.emplace_back(*name);
            }
            jack_free(static_cast<void*>(names));
        }
        return ports;
    }

    jack_client_t* client_;
};

}  // namespace

void SilenceJack() {
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
}

std::unique_ptr<MidiSystem> OpenJackMidiSystem() {
    SilenceJack();
    jack_status_t status{};
    jack_client_t* client = jack_client_open("Vorlane-ports", JackNoStartServer, &status);
    if (client == nullptr) {
        return nullptr;
    }
    return std::make_unique<JackMidiSystem>(client);
}

}  // namespace vorlane
