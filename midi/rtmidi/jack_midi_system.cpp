#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <semaphore.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>
#include <map>
#include <mutex>
#include <string_view>
#include <thread>

#include "midi/rtmidi/midi_system.h"

namespace vorlane {

namespace {

void Quiet(const char*) {}

// One channel message in the rings between the process callback and the other threads.
struct Record {
    std::int32_t source = kMergedSources;
    std::uint8_t bytes[3] = {};
    std::uint8_t size = 0;
};

// One message for the output, sent while the output was connected the generation-th time.
struct OutRecord {
    std::uint32_t generation = 0;
    std::uint8_t bytes[3] = {};
    std::uint8_t size = 0;
};

constexpr std::size_t kRingRecords = 1 << 16;
constexpr std::size_t kOutRingRecords = 1 << 12;
constexpr std::size_t kMaxSplitSources = 32;
constexpr long kInputWaitNs = 20'000'000;

// A whole channel voice message; everything else (system exclusive, whole or broken, system
// common and real time) is no played key. JACK hands over whole events, so a broken one costs
// nothing after it.
bool ChannelRecord(const jack_midi_event_t& event, Record& record) {
    if (event.size == 0 || event.buffer[0] < 0x80 || event.buffer[0] >= 0xF0) {
        return false;
    }
    const int kind = event.buffer[0] & 0xF0;
    const std::size_t size = (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
    if (event.size < size) {
        return false;
    }
    for (std::size_t i = 1; i < size; ++i) {
        if (event.buffer[i] >= 0x80) {
            return false;
        }
    }
    std::copy(event.buffer, event.buffer + size, record.bytes);
    record.size = static_cast<std::uint8_t>(size);
    return true;
}

// Vorlane's client on a JACK server: one client, "MIDI in" and "MIDI out". JACK mixes what
// every connected source sends into the input port's buffer; to keep sources apart, the
// process callback reads each connected source's own buffer instead (every port feeding ours
// has run before us in the cycle), and the mixed buffer only while its list of sources is
// being brought up to date.
class JackMidiSystem final : public MidiSystem {
  public:
    JackMidiSystem(jack_client_t* client, Sink sink) : client_(client), sink_(std::move(sink)) {
        sem_init(&wake_, 0, 0);
        inRing_ = jack_ringbuffer_create(kRingRecords * sizeof(Record));
        outRing_ = jack_ringbuffer_create(kOutRingRecords * sizeof(OutRecord));
    }
    ~JackMidiSystem() override {
        stop_ = true;
        sem_post(&wake_);
        if (thread_.joinable()) {
            thread_.join();
        }
        jack_client_close(client_);
        jack_ringbuffer_free(inRing_);
        jack_ringbuffer_free(outRing_);
        sem_destroy(&wake_);
    }
    JackMidiSystem(const JackMidiSystem&) = delete;
    JackMidiSystem& operator=(const JackMidiSystem&) = delete;

    bool Start() {
        in_ =
            jack_port_register(client_, kInputPortName, JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        out_ = jack_port_register(client_, kOutputPortName, JACK_DEFAULT_MIDI_TYPE,
                                  JackPortIsOutput, 0);
        if (in_ == nullptr || out_ == nullptr || inRing_ == nullptr || outRing_ == nullptr) {
            return false;
        }
        jack_set_process_callback(client_, &JackMidiSystem::Process, this);
        jack_on_info_shutdown(client_, &JackMidiSystem::Shutdown, this);
        jack_set_port_registration_callback(client_, &JackMidiSystem::PortRegistered, this);
        jack_set_port_connect_callback(client_, &JackMidiSystem::PortConnected, this);
        if (jack_activate(client_) != 0) {
            return false;
        }
        thread_ = std::thread([this] { Run(); });
        return true;
    }

    MidiSystemKind Kind() const override { return MidiSystemKind::Jack; }
    bool Lost() const override { return lost_; }
    std::string InputPort() override { return jack_port_name(in_); }

    std::vector<std::string> HardwareSources() override {
        std::vector<std::string> sources;
        for (std::string& port : Ports(JackPortIsOutput | JackPortIsPhysical)) {
            if (port.find("Through") == std::string::npos) {
                sources.push_back(std::move(port));
            }
        }
        return sources;
    }
    std::vector<std::string> Sources() override { return Ports(JackPortIsOutput); }
    bool ConnectSource(const std::string& source) override {
        const int result = jack_connect(client_, source.c_str(), jack_port_name(in_));
        return result == 0 || result == EEXIST;
    }
    void DisconnectSource(const std::string& source) override {
        jack_disconnect(client_, source.c_str(), jack_port_name(in_));
    }
    bool IsSourceConnected(const std::string& source) override {
        return jack_port_connected_to(in_, source.c_str()) != 0;
    }
    bool SourcesWent() override { return false; }  // the input's thread tells by itself

    std::vector<std::string> Destinations() override { return Ports(JackPortIsInput); }
    bool ConnectOutput(const std::string& destination) override {
        DisconnectOutput();
        if (jack_port_by_name(client_, destination.c_str()) == nullptr) {
            return false;
        }
        const int result = jack_connect(client_, jack_port_name(out_), destination.c_str());
        if (result != 0 && result != EEXIST) {
            return false;
        }
        destination_ = destination;
        confirmed_ = false;
        return true;
    }
    void DisconnectOutput() override {
        jack_port_disconnect(client_, out_);
        destination_.clear();
        ++generation_;  // what is still on its way was for the old destination
    }
    bool Send(const MidiMessage& message) override {
        if (lost_ || !DestinationThere()) {
            return false;
        }
        OutRecord record;
        record.generation = generation_;
        record.bytes[0] = message.status;
        record.bytes[1] = message.data1;
        record.bytes[2] = message.data2;
        record.size = message.Kind() == 0xC0 || message.Kind() == 0xD0 ? 2 : 3;
        if (jack_ringbuffer_write_space(outRing_) < sizeof record) {
            return false;  // the server has stopped taking what we send
        }
        jack_ringbuffer_write(outRing_, reinterpret_cast<const char*>(&record), sizeof record);
        return true;
    }

  private:
    // The server applies a connection a moment after it was asked for: until the graph shows
    // it, the destination counts as there while its port exists.
    bool DestinationThere() {
        if (destination_.empty()) {
            return true;
        }
        if (jack_port_connected(out_) > 0) {
            confirmed_ = true;
            return true;
        }
        return !confirmed_ && jack_port_by_name(client_, destination_.c_str()) != nullptr;
    }

    std::vector<std::string> Ports(unsigned long flags) {
        std::vector<std::string> ports;
        const std::string own = std::string{jack_get_client_name(client_)} + ":";
        if (const char** names = jack_get_ports(client_, nullptr, JACK_DEFAULT_MIDI_TYPE, flags)) {
            for (const char** name = names; *name != nullptr; ++name) {
                if (std::string_view{*name}.rfind(own, 0) != 0) {
                    ports.emplace_back(*name);
                }
            }
            jack_free(static_cast<void*>(names));
        }
        return ports;
    }

    static int Process(jack_nframes_t frames, void* self) {
        static_cast<JackMidiSystem*>(self)->ProcessCycle(frames);
        return 0;
    }

    void ProcessCycle(jack_nframes_t frames) {
        void* out = jack_port_get_buffer(out_, frames);
        jack_midi_clear_buffer(out);
        // The server makes a new connection a cycle or more after it was asked for, and data
        // flows from the cycle after the port shows it: until then the messages wait, as they
        // would be lost on a port connected to nothing.
        const std::uint32_t generation = generation_;
        const bool connected = jack_port_connected(out_) > 0;
        const bool flowing = connected && wasConnected_ && generation == lastGeneration_;
        wasConnected_ = connected;
        lastGeneration_ = generation;
        OutRecord record;
        while (jack_ringbuffer_read_space(outRing_) >= sizeof record) {
            jack_ringbuffer_peek(outRing_, reinterpret_cast<char*>(&record), sizeof record);
            if (record.generation == generation &&
                (!flowing || jack_midi_event_write(out, 0, record.bytes, record.size) != 0)) {
                break;  // the rest goes out next cycle
            }
            jack_ringbuffer_read_advance(outRing_, sizeof record);
        }

        bool taken = false;
        bool split = false;
        std::unique_lock lock(sourcesMutex_, std::try_to_lock);
        if (lock.owns_lock() && !split_.empty() && split_.size() <= kMaxSplitSources &&
            static_cast<std::size_t>(jack_port_connected(in_)) == split_.size()) {
            std::array<void*, kMaxSplitSources> buffers{};
            split = true;
            for (std::size_t i = 0; i < split_.size() && split; ++i) {
                buffers[i] = jack_port_get_buffer(split_[i].port, frames);
                split = buffers[i] != nullptr;
            }
            for (std::size_t i = 0; split && i < split_.size(); ++i) {
                taken = Take(buffers[i], split_[i].id) || taken;
            }
        }
        if (!split) {
            taken = Take(jack_port_get_buffer(in_, frames), kMergedSources) || taken;
        }
        if (taken) {
            sem_post(&wake_);
        }
    }

    bool Take(void* buffer, SourceId source) {
        bool taken = false;
        const jack_nframes_t count = jack_midi_get_event_count(buffer);
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event{};
            Record record;
            record.source = source;
            if (jack_midi_event_get(&event, buffer, i) == 0 && ChannelRecord(event, record) &&
                jack_ringbuffer_write_space(inRing_) >= sizeof record) {
                jack_ringbuffer_write(inRing_, reinterpret_cast<const char*>(&record),
                                      sizeof record);
                taken = true;
            }
        }
        return taken;
    }

    static void Shutdown(jack_status_t, const char*, void* self) {
        auto* system = static_cast<JackMidiSystem*>(self);
        system->lost_ = true;
        sem_post(&system->wake_);
        if (system->sink_.lost) {
            system->sink_.lost();
        }
    }
    static void PortRegistered(jack_port_id_t, int, void* self) { GraphChanged(self); }
    static void PortConnected(jack_port_id_t, jack_port_id_t, int, void* self) {
        GraphChanged(self);
    }
    static void GraphChanged(void* self) {
        auto* system = static_cast<JackMidiSystem*>(self);
        system->graphChanged_ = true;
        sem_post(&system->wake_);
    }

    // The input's thread: hands the messages over and follows who is connected.
    void Run() {
        // A lost server lets go of every key at once, not only when the system is closed.
        while (!stop_ && !lost_) {
            timespec until{};
            clock_gettime(CLOCK_REALTIME, &until);
            until.tv_nsec += kInputWaitNs;
            if (until.tv_nsec >= 1'000'000'000) {
                until.tv_sec += 1;
                until.tv_nsec -= 1'000'000'000;
            }
            sem_timedwait(&wake_, &until);
            Drain();
            if (graphChanged_.exchange(false) && !lost_) {
                FollowSources();
            }
        }
        Drain();
        for (const auto& [name, id] : ids_) {
            sink_.input.OnSourceGone(id);
        }
        sink_.input.OnSourceGone(kMergedSources);
    }

    void Drain() {
        Record record;
        while (jack_ringbuffer_read_space(inRing_) >= sizeof record) {
            jack_ringbuffer_read(inRing_, reinterpret_cast<char*>(&record), sizeof record);
            sink_.input.OnMessage(record.source,
                                  {record.bytes[0], record.bytes[1], record.bytes[2]});
        }
    }

    void FollowSources() {
        std::vector<SplitSource> now;
        std::map<std::string, SourceId> ids;
        if (const char** names = jack_port_get_connections(in_)) {
            for (const char** name = names; *name != nullptr; ++name) {
                const auto known = ids_.find(*name);
                const SourceId id =
                    known != ids_.end() ? known->second : sink_.nextSource.fetch_add(1);
                ids.emplace(*name, id);
                if (jack_port_t* port = jack_port_by_name(client_, *name)) {
                    now.push_back({id, port});
                }
            }
            jack_free(static_cast<void*>(names));
        }
        {
            const std::lock_guard lock(sourcesMutex_);
            split_ = std::move(now);
        }
        std::vector<SourceId> gone;
        for (const auto& [name, id] : ids_) {
            if (!ids.contains(name)) {
                gone.push_back(id);
            }
        }
        ids_ = std::move(ids);
        if (gone.empty()) {
            return;
        }
        Drain();  // what the sources sent before they went comes first
        for (SourceId id : gone) {
            sink_.input.OnSourceGone(id);
        }
        // Keys taken while the sources were mixed may have been theirs.
        sink_.input.OnSourceGone(kMergedSources);
    }

    struct SplitSource {
        SourceId id;
        jack_port_t* port;
    };

    jack_client_t* client_;
    Sink sink_;
    jack_port_t* in_ = nullptr;
    jack_port_t* out_ = nullptr;
    jack_ringbuffer_t* inRing_ = nullptr;   // process callback -> input thread
    jack_ringbuffer_t* outRing_ = nullptr;  // Send -> process callback
    sem_t wake_{};
    std::atomic<bool> lost_{false};
    std::atomic<bool> graphChanged_{true};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex sourcesMutex_;  // the process callback only tries it
    std::vector<SplitSource> split_;
    std::map<std::string, SourceId> ids_;  // input thread only
    std::string destination_;
    bool confirmed_ = false;
    std::atomic<std::uint32_t> generation_{0};
    bool wasConnected_ = false;         // process callback only
    std::uint32_t lastGeneration_ = 0;  // process callback only
};

}  // namespace

void SilenceJack() {
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
}

std::unique_ptr<MidiSystem> OpenJackMidiSystem(MidiSystem::Sink sink) {
    SilenceJack();
    jack_status_t status{};
    jack_client_t* client = jack_client_open(MidiSystem::kClientName, JackNoStartServer, &status);
    if (client == nullptr) {
        return nullptr;
    }
    auto system = std::make_unique<JackMidiSystem>(client, std::move(sink));
    if (!system->Start()) {
        return nullptr;
    }
    return system;
}

}  // namespace vorlane
