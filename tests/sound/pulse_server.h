#pragma once

// A private PulseAudio server with a null sink, which a test may kill, freeze and restart, and
// parecord on the sink's monitor to hear what was played.

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace vorlane::testing {

inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// The program's full path from PATH, or "".
inline std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = folders.find(':', start);
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

class PulseServer {
  public:
    static bool Installed() {
        return !FindProgram("pulseaudio").empty() && !FindProgram("parecord").empty();
    }

    PulseServer() {
        static int count = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("vorlane-pulse-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        std::filesystem::create_directories(dir_);
        for (const char* name : {"HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH",
                                 "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"}) {
            env_.push_back(std::string(name) + "=" + dir_.string());
        }
        env_.push_back(std::string("PATH=") + (std::getenv("PATH") ? std::getenv("PATH") : ""));
    }
    ~PulseServer() {
        Kill();
        std::filesystem::remove_all(dir_);
    }

    std::string Address() const { return "unix:" + (dir_ / "native").string(); }

    // Starts the server and a recording of its monitor; true once the server takes clients.
    bool Start() {
        std::filesystem::remove(dir_ / "native");
        // Without shared memory: ThreadSanitizer cannot follow libpulse's lock-free ring buffer.
        server_ = Spawn(
            {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes", "--log-target=stderr", "-L", "module-null-sink", "-L",
             "module-native-protocol-unix auth-anonymous=1 socket=" + (dir_ / "native").string()});
        recording_ = dir_ / ("monitor-" + std::to_string(server_) + ".raw");
        if (!WaitUntil([&] { return std::filesystem::exists(dir_ / "native"); },
                       std::chrono::seconds(10))) {
            return false;
        }
        recorder_ = Spawn({"parecord", "--server=" + Address(), "-d", "null.monitor", "--raw",
                           "--format=float32le", "--rate=44100", "--channels=1",
                           "--latency-msec=20", recording_.string()});
        return server_ > 0 && recorder_ > 0;
    }
    void Kill() {
        Resume();
        for (pid_t* pid : {&recorder_, &server_}) {
            if (*pid > 0) {
                ::kill(*pid, SIGKILL);
                waitpid(*pid, nullptr, 0);
                *pid = 0;
            }
        }
    }
    void Freeze() { ::kill(server_, SIGSTOP); }
    void Resume() {
        if (server_ > 0) {
            ::kill(server_, SIGCONT);
        }
    }

    std::size_t RecordedFrames() const {
        std::error_code error;
        const auto size = std::filesystem::file_size(recording_, error);
        return error ? 0 : size / sizeof(float);
    }
    // Whether 50 ms louder than -40 dBFS arrive in the recording after frame `from`.
    bool HearsSoundAfter(std::size_t from, std::chrono::milliseconds limit) const {
        constexpr std::size_t kWindow = 2205;
        return WaitUntil(
            [&] {
                std::ifstream file(recording_, std::ios::binary);
                std::vector<float> window(kWindow);
                for (std::size_t at = from; at + kWindow <= RecordedFrames(); at += kWindow) {
                    file.seekg(static_cast<std::streamoff>(at * sizeof(float)));
                    file.read(reinterpret_cast<char*>(window.data()), kWindow * sizeof(float));
                    double sum = 0.0;
                    for (float s : window) {
                        sum += double{s} * s;
                    }
                    if (std::sqrt(sum / kWindow) > 0.01) {
                        return true;
                    }
                }
                return false;
            },
            limit);
    }

  private:
    // The child dies with the test, also when the test itself is killed.
    pid_t Spawn(std::vector<std::string> args) {
        args.front() = FindProgram(args.front());
        std::vector<char*> argv, envp;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        for (std::string& variable : env_) {
            envp.push_back(variable.data());
        }
        envp.push_back(nullptr);
        const std::string log = (dir_ / "services.log").string();
        const pid_t parent = getpid();
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (getppid() != parent || out < 0) {
                _exit(127);
            }
            dup2(out, 1);
            dup2(out, 2);
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        return pid > 0 ? pid : 0;
    }

    std::filesystem::path dir_;
    std::filesystem::path recording_;
    std::vector<std::string> env_;
    pid_t server_ = 0;
    pid_t recorder_ = 0;
};

}  // namespace vorlane::testing
