#include <alsa/asoundlib.h>
#include <rtmidi/RtMidi.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "midi/rtmidi/midi_system.h"

namespace vorlane {

namespace {

void Quiet(const char*, int, const char*, int, const char*, ...) {}
void IgnoreError(RtMidiError::Type, const std::string&, void*) {}

std::string Address(int client, int port) {
    return std::to_string(client) + ":" + std::to_string(port);
}

constexpr unsigned kReadable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;

// Channel voice messages only: 2 data bytes, or 1 for program change and channel pressure.
bool IsChannelMessage(const std::vector<unsigned char>& bytes) {
    if (bytes.empty() || bytes[0] < 0x80 || bytes[0] >= 0xF0) {
        return false;
    }
    const int kind = bytes[0] & 0xF0;
    const std::size_t size = (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
    return bytes.size() >= size;
}

// The sequencer, through RtMidi's ports for the input and the output (each a client named
// kClientName) and a client of its own to list, watch and connect ports. RtMidi does not say
// which source a message came from, so all of them count as one, and the sources that went
// away are found by looking.
class AlsaMidiSystem final : public MidiSystem {
  public:
    AlsaMidiSystem(snd_seq_t* seq, Sink sink) : seq_(seq), sink_(std::move(sink)) {}
    ~AlsaMidiSystem() override {
        if (in_) {
            in_->cancelCallback();
            in_->closePort();
        }
        if (out_) {
            out_->closePort();
        }
        sink_.input.OnSourceGone(kMergedSources);
        snd_seq_close(seq_);
    }
    AlsaMidiSystem(const AlsaMidiSystem&) = delete;
    AlsaMidiSystem& operator=(const AlsaMidiSystem&) = delete;

    bool Start() {
        try {
            out_ = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
            out_->setErrorCallback(IgnoreError, nullptr);
            out_->openVirtualPort(kOutputPortName);
            const std::vector<std::string> before = OwnPorts(kInputPortName);
            in_ = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, kClientName);
            in_->setErrorCallback(IgnoreError, nullptr);
            in_->openVirtualPort(kInputPortName);
            // Ours is the one that was not there before (another Vorlane has one too).
            for (const std::string& port : OwnPorts(kInputPortName)) {
                if (std::find(before.begin(), before.end(), port) == before.end()) {
                    inputPort_ = port;
                }
            }
            outputPort_ = OwnPorts(kOutputPortName).empty() ? "" : OwnPorts(kOutputPortName).back();
        } catch (const RtMidiError&) {
            return false;
        }
        in_->ignoreTypes(true, true, true);
        in_->setCallback(&AlsaMidiSystem::OnMessage, this);
        return !inputPort_.empty();
    }

    MidiSystemKind Kind() const override { return MidiSystemKind::AlsaSequencer; }
    bool Lost() const override { return false; }  // the sequencer is the kernel's
    std::string InputPort() override { return inputPort_; }

    std::vector<std::string> HardwareSources() override {
        std::vector<std::string> sources;
        ForEachPort([&](snd_seq_client_info_t* client, snd_seq_port_info_t* port) {
            const std::string name = snd_seq_client_info_get_name(client);
            const bool hardware =
                (snd_seq_port_info_get_type(port) & SND_SEQ_PORT_TYPE_HARDWARE) != 0;
            if (hardware && IsListedSource(client, port) &&
                name.find("Through") == std::string::npos) {
                sources.push_back(
                    Address(snd_seq_port_info_get_client(port), snd_seq_port_info_get_port(port)));
            }
        });
        return sources;
    }
    std::vector<std::string> Sources() override {
        std::vector<std::string> sources;
        ForEachPort([&](snd_seq_client_info_t* client, snd_seq_port_info_t* port) {
            if (IsListedSource(client, port)) {
                sources.push_back(
                    Address(snd_seq_port_info_get_client(port), snd_seq_port_info_get_port(port)));
            }
        });
        return sources;
    }
    bool ConnectSource(const std::string& source) override { return Subscribe(source, inputPort_); }
    void DisconnectSource(const std::string& source) override { Unsubscribe(source, inputPort_); }
    bool IsSourceConnected(const std::string& source) override {
        return IsSubscribed(source, inputPort_);
    }
    bool SourcesWent() override {
        std::set<std::string> connected;
        for (const std::string& source : Sources()) {
            if (IsSourceConnected(source)) {
                connected.insert(source);
            }
        }
        const bool someWent = std::any_of(connected_.begin(), connected_.end(),
                                          [&](const auto& s) { return !connected.contains(s); });
        connected_ = std::move(connected);
        return someWent;
    }

    std::vector<std::string> Destinations() override {
        std::vector<std::string> names;
        const unsigned int count = out_->getPortCount();
        for (unsigned int i = 0; i < count; ++i) {
            std::string name = out_->getPortName(i);
            if (!name.empty() && name.rfind(std::string{kClientName} + ":", 0) != 0) {
                names.push_back(std::move(name));
            }
        }
        return names;
    }
    bool ConnectOutput(const std::string& destination) override {
        DisconnectOutput();
        const unsigned int count = out_->getPortCount();
        for (unsigned int i = 0; i < count; ++i) {
            if (out_->getPortName(i) != destination) {
                continue;
            }
            try {
                out_->closePort();
                out_->openPort(i, kOutputPortName);
            } catch (const RtMidiError&) {
                DisconnectOutput();
                return false;
            }
            destination_ = destination;
            outputPort_ = OwnPorts(kOutputPortName).empty() ? "" : OwnPorts(kOutputPortName).back();
            return true;
        }
        return false;
    }
    void DisconnectOutput() override {
        // Closing drops the connection; the port stays for patchbays.
        if (!destination_.empty()) {
            out_->closePort();
            out_->openVirtualPort(kOutputPortName);
            outputPort_ = OwnPorts(kOutputPortName).empty() ? "" : OwnPorts(kOutputPortName).back();
        }
        destination_.clear();
    }
    bool Send(const MidiMessage& message) override {
        // The sequencer drops the subscription of a port that went away: nothing fails then,
        // so the subscription is looked at (as RtMidi names its ports, by client:port).
        if (!destination_.empty() && !OutputStillConnected()) {
            return false;
        }
        const std::size_t size = message.Kind() == 0xC0 || message.Kind() == 0xD0 ? 2 : 3;
        const unsigned char bytes[3] = {message.status, message.data1, message.data2};
        try {
            out_->sendMessage(bytes, size);
        } catch (const RtMidiError&) {
            return false;
        }
        return true;
    }

  private:
    static void OnMessage(double, std::vector<unsigned char>* bytes, void* self) {
        if (bytes == nullptr || !IsChannelMessage(*bytes)) {
            return;
        }
        const MidiMessage message{(*bytes)[0], (*bytes)[1],
                                  bytes->size() > 2 ? (*bytes)[2] : std::uint8_t{0}};
        static_cast<AlsaMidiSystem*>(self)->sink_.input.OnMessage(kMergedSources, message);
    }

    // RtMidi names a port "client:port c:p", its address last.
    bool OutputStillConnected() {
        return IsSubscribed(outputPort_, destination_.substr(destination_.rfind(' ') + 1));
    }

    bool IsListedSource(snd_seq_client_info_t* client, snd_seq_port_info_t* port) const {
        return (snd_seq_port_info_get_capability(port) & kReadable) == kReadable &&
               (snd_seq_port_info_get_capability(port) & SND_SEQ_PORT_CAP_NO_EXPORT) == 0 &&
               snd_seq_client_info_get_client(client) != SND_SEQ_CLIENT_SYSTEM &&
               snd_seq_client_info_get_pid(client) != getpid();
    }

    std::vector<std::string> OwnPorts(const std::string& portName) {
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

    bool Subscription(const std::string& source, const std::string& destination,
                      snd_seq_port_subscribe_t* subscription) {
        snd_seq_addr_t from{};
        snd_seq_addr_t to{};
        if (source.empty() || destination.empty() ||
            snd_seq_parse_address(seq_, &from, source.c_str()) < 0 ||
            snd_seq_parse_address(seq_, &to, destination.c_str()) < 0) {
            return false;
        }
        snd_seq_port_subscribe_set_sender(subscription, &from);
        snd_seq_port_subscribe_set_dest(subscription, &to);
        return true;
    }
    bool Subscribe(const std::string& source, const std::string& destination) {
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
    void Unsubscribe(const std::string& source, const std::string& destination) {
        snd_seq_port_subscribe_t* subscription = nullptr;
        snd_seq_port_subscribe_alloca(&subscription);
        if (Subscription(source, destination, subscription)) {
            snd_seq_unsubscribe_port(seq_, subscription);
        }
    }
    bool IsSubscribed(const std::string& source, const std::string& destination) {
        snd_seq_port_subscribe_t* subscription = nullptr;
        snd_seq_port_subscribe_alloca(&subscription);
        return Subscription(source, destination, subscription) &&
               snd_seq_get_port_subscription(seq_, subscription) == 0;
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
    Sink sink_;
    std::unique_ptr<RtMidiIn> in_;
    std::unique_ptr<RtMidiOut> out_;
    std::string inputPort_;
    std::string outputPort_;
    std::string destination_;
    std::set<std::string> connected_;
};

}  // namespace

std::unique_ptr<MidiSystem> OpenAlsaMidiSystem(MidiSystem::Sink sink) {
    snd_lib_error_set_handler(Quiet);
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0) {
        return nullptr;
    }
    snd_seq_set_client_name(seq, "Vorlane ports");
    auto system = std::make_unique<AlsaMidiSystem>(seq, std::move(sink));
    if (!system->Start()) {
        return nullptr;
    }
    return system;
}

std::unique_ptr<MidiSystem> MidiSystem::Open(Sink sink) {
    SilenceJack();
    if (auto alsa = OpenAlsaMidiSystem(sink)) {
        return alsa;
    }
    return OpenJackMidiSystem(std::move(sink));
}

}  // namespace vorlane
