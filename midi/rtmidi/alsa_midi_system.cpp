#include <alsa/asoundlib.h>
#include <unistd.h>

#include "midi/rtmidi/midi_system_backends.h"

namespace vorlane {

namespace {

void Quiet(const char*, int, const char*, int, const char*, ...) {}

std::string Address(int client, int port) {
    return std::to_string(client) + ":" + std::to_string(port);
}

class AlsaMidiSystem final : public MidiSystem {
  public:
    explicit AlsaMidiSystem(snd_seq_t* seq) : seq_(seq) {}
    ~AlsaMidiSystem() override { snd_seq_close(seq_); }

    RtMidi::Api Api() const override { return RtMidi::LINUX_ALSA; }

    std::vector<std::string> OwnInputPorts(const std::string& portName) override {
        std::vector<std::string> own;
        ForEachPort([&](snd_seq_client_info_t* client, snd_seq_port_info_t* port) {
            if (snd_seq_client_info_get_pid(client) == getpid() &&
                std::string{snd_seq_client_info_get_name(client)} == kClientName &&
                portName == snd_seq_port_info_get_name(port)) {
                own.push_back(
                    Address(snd_seq_port_info_get_client(port), snd_seq_port_info_get_port(port)));
            }
        });
        return own;
    }

    std::vector<std::string> HardwareSources() override {
        std::vector<std::string> sources;
        const unsigned readable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
        ForEachPort([&](snd_seq_client_info_t* client, snd_seq_port_info_t* port) {
            const std::string name = snd_seq_client_info_get_name(client);
            const bool hardware =
                (snd_seq_port_info_get_type(port) & SND_SEQ_PORT_TYPE_HARDWARE) != 0;
            if (hardware && (snd_seq_port_info_get_capability(port) & readable) == readable &&
                (snd_seq_port_info_get_capability(port) & SND_SEQ_PORT_CAP_NO_EXPORT) == 0 &&
                snd_seq_client_info_get_client(client) != SND_SEQ_CLIENT_SYSTEM &&
                snd_seq_client_info_get_pid(client) != getpid() &&
                name.find("Through") == std::string::npos) {
                sources.push_back(
                    Address(snd_seq_port_info_get_client(port), snd_seq_port_info_get_port(port)));
            }
        });
        return sources;
    }

    std::vector<std::string> Sources() override {
        std::vector<std::string> sources;
        const unsigned readable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
        ForEachPort([&](snd_seq_client_info_t* client, snd_seq_port_info_t* port) {
            if ((snd_seq_port_info_get_capability(port) & readable) == readable &&
                (snd_seq_port_info_get_capability(port) & SND_SEQ_PORT_CAP_NO_EXPORT) == 0 &&
                snd_seq_client_info_get_client(client) != SND_SEQ_CLIENT_SYSTEM &&
                snd_seq_client_info_get_pid(client) != getpid()) {
                sources.push_back(
                    Address(snd_seq_port_info_get_client(port), snd_seq_port_info_get_port(port)));
            }
        });
        return sources;
    }

    bool Connect(const std::string& source, const std::string& destination) override {
        snd_seq_port_subscribe_t* subscription = nullptr;
        snd_seq_port_subscribe_alloca(&subscription);
        if (!Subscription(source, destination, subscription)) {
            return false;
        }
        if (snd_seq_get_port_subscription(seq_, subscription) == 0) {
            return true;  // already connected, by us or by hand
        }
        return snd_seq_subscribe_port(seq_, subscription) == 0;
    }

    void Disconnect(const std::string& source, const std::string& destination) override {
        snd_seq_port_subscribe_t* subscription = nullptr;
        snd_seq_port_subscribe_alloca(&subscription);
        if (Subscription(source, destination, subscription)) {
            snd_seq_unsubscribe_port(seq_, subscription);
        }
    }

    bool IsConnected(const std::string& source, const std::string& destination) override {
        snd_seq_port_subscribe_t* subscription = nullptr;
        snd_seq_port_subscribe_alloca(&subscription);
        return Subscription(source, destination, subscription) &&
               snd_seq_get_port_subscription(seq_, subscription) == 0;
    }

  private:
    bool Subscription(const std::string& source, const std::string& destination,
                      snd_seq_port_subscribe_t* subscription) {
        snd_seq_addr_t from{};
        snd_seq_addr_t to{};
        if (snd_seq_parse_address(seq_, &from, source.c_str()) < 0 ||
            snd_seq_parse_address(seq_, &to, destination.c_str()) < 0) {
            return false;
        }
        snd_seq_port_subscribe_set_sender(subscription, &from);
        snd_seq_port_subscribe_set_dest(subscription, &to);
        return true;
    }

    template <typename Visit>
    void ForEachPort(Visit visit) {
        snd_seq_client_info_t* client = nullptr;
        snd_seq_port_info_t* port = nullptr;
        snd_seq_client_info_alloca(&client);
        snd_seq_port_info_alloca(&port);
        snd_seq_client_info_set_client(client, -1);
        while (snd_seq_query_next_client(seq_, client) >= 0) {
            snd_seq_port_info_set_client(port, snd_seq_client_info_get_client(client));
            snd_seq_port_info_set_port(port, -1);
            while (snd_seq_query_next_port(seq_, port) >= 0) {
                visit(client, port);
            }
        }
    }

    snd_seq_t* seq_;
};

}  // namespace

std::unique_ptr<MidiSystem> OpenAlsaMidiSystem() {
    snd_lib_error_set_handler(Quiet);
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0) {
        return nullptr;
    }
    snd_seq_set_client_name(seq, "Vorlane ports");
    return std::make_unique<AlsaMidiSystem>(seq);
}

std::unique_ptr<MidiSystem> MidiSystem::Open() {
    SilenceJack();
    if (auto alsa = OpenAlsaMidiSystem()) {
        return alsa;
    }
    return OpenJackMidiSystem();
}

}  // namespace vorlane
