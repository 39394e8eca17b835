#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/jack_child.h"

namespace vorlane::testing {

// A private JACK server on the dummy backend, and the stand-in devices of jack_keyboard that
// play into it or listen to it. It waits for every client in each cycle (--sync), so that a
// client slowed down by a sanitizer misses nothing. One server name per build tree (seeded by a
// path of that tree): JACK keeps a slot for every name that ever ran, up to eight, and two build
// trees' tests must not collide.
class JackServer {
  public:
    static bool Installed() {
        std::istringstream path(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
        for (std::string folder; std::getline(path, folder, ':');) {
            if (std::filesystem::exists(std::filesystem::path(folder) / "jackd")) {
                return true;
            }
        }
        return false;
    }

    JackServer(const std::string& seed, std::string standIn)
        : name_("vorlane-test-" + std::to_string(std::hash<std::string>{}(seed) % 1000)),
          standIn_(std::move(standIn)) {
        setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
        setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
        Start();
    }
    // A server that waits for clients killed under it takes long to stop; it is a throwaway.
    ~JackServer() { Stop(SIGTERM, std::chrono::seconds(1)); }
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    bool Started() const { return server_ && server_->Started(); }
    // A server of the same name left running (by a test run that was killed) makes this one end
    // at once: then it counts as not started, rather than the tests talking to the old one.
    void Start() {
        using namespace std::chrono_literals;
        server_ = std::make_unique<Child>(
            std::vector<std::string>{"jackd", "--no-realtime", "--sync", "-t", "2000", "-n", name_,
                                     "-d", "dummy", "-r", "48000", "-p", "1024"});
        std::this_thread::sleep_for(150ms);
        if (server_->Ended()) {
            server_.reset();
        }
    }
    // Ends the server as a crash (SIGKILL) or a shutdown (SIGTERM) would.
    void Stop(int signal, std::chrono::milliseconds grace = std::chrono::hours(1)) {
        if (server_) {
            server_->Stop(signal, grace);
            server_.reset();
        }
    }

    // A stand-in whose ports are up: a keyboard (role ""), an "instrument" or an "echo"; the
    // server may need a moment to come up first.
    std::unique_ptr<Child> StandIn(const std::string& name, const std::string& role = "") const {
        using namespace std::chrono_literals;
        for (int attempt = 0; attempt < 50; ++attempt) {
            std::vector<std::string> argv{standIn_, name};
            if (!role.empty()) {
                argv.push_back(role);
            }
            auto child = std::make_unique<Child>(argv);
            if (child->ReadLine(2s) == "ready") {
                return child;
            }
            std::this_thread::sleep_for(100ms);
        }
        return nullptr;
    }

  private:
    std::string name_;
    std::string standIn_;
    std::unique_ptr<Child> server_;
};

}  // namespace vorlane::testing
