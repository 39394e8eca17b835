// A stand-in MIDI keyboard on a JACK server, for end-to-end tests: its output port is flagged
// physical, as a hardware device's is. Commands, one per line on standard input:
//   connect PORT | on NOTE VELOCITY | off NOTE | sleep MS | wait-connected MS
// "wait-connected" prints "connected" or "alone" once something connects or the time is up.
// With a second argument "instrument" it is a stand-in instrument instead: an input port "in"
// that prints each message it receives as "MS STATUS DATA..." (hex bytes, MS since start).
#include <jack/jack.h>
#include <jack/midiport.h>

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

int Process(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(port, frames);
    jack_midi_clear_buffer(buffer);
    std::unique_lock lock(mutex, std::try_to_lock);
    while (lock.owns_lock() && !pending.empty()) {
        jack_midi_event_write(buffer, 0, pending.front().data(), pending.front().size());
        pending.pop_front();
    }
    return 0;
}

const auto started = std::chrono::steady_clock::now();

int Receive(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(port, frames);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - started)
                        .count();
    std::lock_guard lock(mutex);
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event{};
        if (jack_midi_event_get(&event, buffer, i) == 0) {
            std::vector<unsigned char> line{event.buffer, event.buffer + event.size};
            line.insert(line.begin(),
                        {static_cast<unsigned char>(ms >> 16), static_cast<unsigned char>(ms >> 8),
                         static_cast<unsigned char>(ms)});
            pending.push_back(std::move(line));
        }
    }
    return 0;
}

int Instrument(jack_client_t* client) {
    port = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE,
                              JackPortIsInput | JackPortIsPhysical | JackPortIsTerminal, 0);
    jack_set_process_callback(client, Receive, nullptr);
    jack_activate(client);
    std::cout << "ready" << std::endl;
    while (std::cout) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::lock_guard lock(mutex);
        for (; !pending.empty(); pending.pop_front()) {
            const std::vector<unsigned char>& m = pending.front();
            std::cout << ((m[0] << 16) | (m[1] << 8) | m[2]) << std::hex << std::uppercase;
            for (std::size_t i = 3; i < m.size(); ++i) {
                std::cout << ' ' << static_cast<int>(m[i]);
            }
            std::cout << std::dec << std::endl;
        }
    }
    return 0;
}

void Quiet(const char*) {}

}  // namespace

int main(int argc, char** argv) {
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
    const char* name = argc > 1 ? argv[1] : "test-keyboard";
    jack_client_t* client = jack_client_open(name, JackNoStartServer, nullptr);
    if (client == nullptr) {
        std::cout << "no-server" << std::endl;
        return 1;
    }
    if (argc > 2 && std::string{argv[2]} == "instrument") {
        return Instrument(client);
    }
    port = jack_port_register(client, "keys", JACK_DEFAULT_MIDI_TYPE,
                              JackPortIsOutput | JackPortIsPhysical | JackPortIsTerminal, 0);
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
            std::lock_guard lock(mutex);
            pending.push_back({static_cast<unsigned char>(command == "on" ? 0x90 : 0x80),
                               static_cast<unsigned char>(a), static_cast<unsigned char>(b)});
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
