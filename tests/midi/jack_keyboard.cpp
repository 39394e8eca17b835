// A stand-in MIDI keyboard on a JACK server, for end-to-end tests: its output port is flagged
// physical, as a hardware device's is. Commands, one per line on standard input:
//   connect PORT | on NOTE VELOCITY | off NOTE | sleep MS | wait-connected MS
//   sysex-open                 a system-exclusive message that never ends (no F7)
//   flood RATE SECONDS         note-ons and note-offs at RATE messages a second, on channel 1,
//                              every key released at the end; prints "flooded COUNT"
// "wait-connected" prints "connected" or "alone" once something connects or the time is up.
// With a second argument "software" its port is another program's, not flagged physical.
// With a second argument "instrument" it is a stand-in instrument instead: an input port "in"
// that prints each message it receives as "MS STATUS DATA..." (hex bytes, MS since start).
// With "echo" it is an instrument that also sends back at once, on a port "out", everything
// it receives (a device with its MIDI thru on), and prints only the count every 100 ms.
// Every stand-in closes its client and ends once its standard input closes.
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <cstdlib>

#include <atomic>
#include <chrono>
#include <deque>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::mutex mutex;
std::deque<std::vector<unsigned char>> pending;
jack_port_t* port = nullptr;
jack_port_t* echoPort = nullptr;

// The flood, run by the process callback: messages still to send and the rate.
std::atomic<long> floodLeft{0};
std::atomic<long> floodSent{0};
double floodPerFrame = 0;
double floodDue = 0;

void FloodInto(void* buffer, jack_nframes_t frames) {
    if (floodLeft.load() <= 0) {
        return;
    }
    floodDue += floodPerFrame * frames;
    for (jack_nframes_t frame = 0; floodDue >= 1 && floodLeft.load() > 0; floodDue -= 1) {
        const long n = floodSent.load();
        // Pairs of note-on and note-off over two octaves: never more than one key held.
        const auto note = static_cast<unsigned char>(48 + (n / 2) % 24);
        const unsigned char message[3] = {static_cast<unsigned char>(n % 2 == 0 ? 0x90 : 0x80),
                                          note, static_cast<unsigned char>(n % 2 == 0 ? 100 : 0)};
        if (jack_midi_event_write(buffer, frame, message, 3) != 0) {
            break;  // the buffer is full: the rest waits for the next cycle
        }
        frame = frame + 1 < frames ? frame + 1 : frame;
        floodSent.fetch_add(1);
        floodLeft.fetch_sub(1);
    }
}

int Process(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(port, frames);
    jack_midi_clear_buffer(buffer);
    std::unique_lock lock(mutex, std::try_to_lock);
    while (lock.owns_lock() && !pending.empty()) {
        jack_midi_event_write(buffer, 0, pending.front().data(), pending.front().size());
        pending.pop_front();
    }
    FloodInto(buffer, frames);
    return 0;
}

const auto started = std::chrono::steady_clock::now();
std::atomic<long> received{0};

// A message the instrument received, from its process callback to the printing thread.
struct Heard {
    std::int32_t ms;
    std::uint8_t size;
    std::uint8_t bytes[3];
};
jack_ringbuffer_t* heardRing = nullptr;

int Receive(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(port, frames);
    void* echo = echoPort != nullptr ? jack_port_get_buffer(echoPort, frames) : nullptr;
    if (echo != nullptr) {
        jack_midi_clear_buffer(echo);
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - started)
                        .count();
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    received.fetch_add(count);
    if (echo != nullptr) {
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event{};
            if (jack_midi_event_get(&event, buffer, i) == 0) {
                jack_midi_event_write(echo, event.time, event.buffer, event.size);
            }
        }
        return 0;
    }
    // Never waits for the printing thread: a late client misses its cycle's messages.
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event{};
        Heard heard{static_cast<std::int32_t>(ms), 0, {}};
        if (jack_midi_event_get(&event, buffer, i) == 0 &&
            jack_ringbuffer_write_space(heardRing) >= sizeof heard) {
            heard.size = static_cast<std::uint8_t>(event.size < 3 ? event.size : 3);
            std::copy(event.buffer, event.buffer + heard.size, heard.bytes);
            jack_ringbuffer_write(heardRing, reinterpret_cast<const char*>(&heard), sizeof heard);
        }
    }
    return 0;
}

int Instrument(jack_client_t* client, bool echo) {
    port = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE,
                              JackPortIsInput | JackPortIsPhysical | JackPortIsTerminal, 0);
    if (echo) {
        echoPort =
            jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE,
                               JackPortIsOutput | JackPortIsPhysical | JackPortIsTerminal, 0);
    }
    heardRing = jack_ringbuffer_create(1 << 20);
    jack_set_process_callback(client, Receive, nullptr);
    jack_activate(client);
    std::cout << "ready" << std::endl;
    // It ends, closing its client, once its standard input closes.
    std::atomic<bool> inputOpen{true};
    std::thread input([&inputOpen] {
        for (std::string line; std::getline(std::cin, line);) {
        }
        inputOpen = false;
    });
    while (std::cout && inputOpen) {
        std::this_thread::sleep_for(std::chrono::milliseconds(echo ? 100 : 5));
        if (echo) {
            std::cout << received.load() << std::endl;
            continue;
        }
        Heard heard{};
        while (jack_ringbuffer_read_space(heardRing) >= sizeof heard) {
            jack_ringbuffer_read(heardRing, reinterpret_cast<char*>(&heard), sizeof heard);
            std::cout << heard.ms << std::hex << std::uppercase;
            for (std::size_t i = 0; i < heard.size; ++i) {
                std::cout << ' ' << static_cast<int>(heard.bytes[i]);
            }
            std::cout << std::dec << std::endl;
        }
    }
    jack_client_close(client);
    input.detach();
    return 0;
}

void Quiet(const char*) {}

void Queue(std::vector<unsigned char> message) {
    std::lock_guard lock(mutex);
    pending.push_back(std::move(message));
}

}  // namespace

int main(int argc, char** argv) {
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
    // SIGTERM is a device unplugged: its ports go at once. (A client killed outright keeps a
    // synchronous server waiting for it, for ten of its time-outs.)
    sigset_t terminate;
    sigemptyset(&terminate);
    sigaddset(&terminate, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &terminate, nullptr);
    const char* name = argc > 1 ? argv[1] : "test-keyboard";
    jack_client_t* client = jack_client_open(name, JackNoStartServer, nullptr);
    if (client == nullptr) {
        std::cout << "no-server" << std::endl;
        return 1;
    }
    std::thread([client, terminate] {
        int signal = 0;
        sigwait(&terminate, &signal);
        jack_client_close(client);
        std::_Exit(0);
    }).detach();
    const std::string role = argc > 2 ? argv[2] : "";
    if (role == "instrument" || role == "echo") {
        return Instrument(client, role == "echo");
    }
    // "software": another program's output, which nobody connects by itself.
    const unsigned long physical = role == "software" ? 0 : JackPortIsPhysical;
    port = jack_port_register(client, "keys", JACK_DEFAULT_MIDI_TYPE,
                              JackPortIsOutput | physical | JackPortIsTerminal, 0);
    jack_set_process_callback(client, Process, nullptr);
    jack_activate(client);
    std::cout << "ready" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        std::string command;
        int a = 0;
        int b = 0;
        words >> command;
        if (command == "connect") {
            std::string destination;
            std::getline(words >> std::ws, destination);
            const int result = jack_connect(client, jack_port_name(port), destination.c_str());
            std::cout << (result == 0 ? "ok" : "failed") << std::endl;
        } else if (command == "on" || command == "off") {
            words >> a >> b;
            Queue({static_cast<unsigned char>(command == "on" ? 0x90 : 0x80),
                   static_cast<unsigned char>(a), static_cast<unsigned char>(b)});
        } else if (command == "sysex-open") {
            Queue({0xF0, 0x7E, 0x7F, 0x06, 0x01});
        } else if (command == "flood") {
            words >> a >> b;
            floodPerFrame = static_cast<double>(a) / jack_get_sample_rate(client);
            floodSent = 0;
            floodLeft = static_cast<long>(a) * b;
            while (floodLeft.load() > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            std::cout << "flooded " << floodSent.load() << std::endl;
        } else if (command == "sleep") {
            words >> a;
            std::this_thread::sleep_for(std::chrono::milliseconds(a));
        } else if (command == "wait-connected") {
            words >> a;
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(a);
            while (jack_port_connected(port) == 0 && std::chrono::steady_clock::now() < end) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            std::cout << (jack_port_connected(port) > 0 ? "connected" : "alone") << std::endl;
        }
    }
    jack_client_close(client);
    return 0;
}
