// A stand-in MIDI keyboard on a JACK server, for end-to-end tests: its output port is flagged
// physical, as a hardware device's is. Commands, one per line on standard input:
//   connect PORT | on NOTE VELOCITY | off NOTE | sleep MS | wait-connected MS
// "wait-connected" prints "connected" or "alone" once something connects or the time is up.
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
