#pragma once

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace vorlane::testing {

// A child process with a pipe to its standard input and one from its standard output.
class Child {
  public:
    // With mergeErrors its standard error comes through the same pipe as its output.
    explicit Child(const std::vector<std::string>& argv, bool mergeErrors = false) {
        int in[2];
        int out[2];
        if (pipe(in) != 0 || pipe(out) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        if (mergeErrors) {
            posix_spawn_file_actions_adddup2(&actions, out[1], 2);
        } else {
            posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 0x1 /*O_WRONLY*/, 0);
        }
        // Nothing else of ours: a JACK client's sockets held open by a child would hide the
        // server's death from the client.
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        if (posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        input_ = in[1];
        output_ = out[0];
    }
    ~Child() {
        // A child reading commands ends by itself at the end of its input: a JACK client that
        // closes itself spares the server waiting for a dead one.
        CloseInput();
        for (int i = 0; pid_ > 0 && i < 100; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
            } else {
                usleep(20000);
            }
        }
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) {
            close(output_);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    // Whether it has ended (it is reaped then).
    bool Ended() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
        }
        return pid_ <= 0;
    }
    void Say(const std::string& line) {
        const std::string text = line + "\n";
        if (input_ >= 0 && write(input_, text.data(), text.size()) < 0) {
            CloseInput();
        }
    }
    void CloseInput() {
        if (input_ >= 0) {
            close(input_);
            input_ = -1;
        }
    }
    // The next line of output, or none when nothing complete came within the time.
    std::optional<std::string> ReadLine(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (true) {
            if (const std::size_t newline = buffer_.find('\n'); newline != std::string::npos) {
                std::string line = buffer_.substr(0, newline);
                buffer_.erase(0, newline + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            pollfd fd{output_, POLLIN, 0};
            if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
                return std::nullopt;
            }
            char chunk[256];
            const ssize_t n = read(output_, chunk, sizeof chunk);
            if (n <= 0) {
                return std::nullopt;
            }
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }
    // Sends the signal and returns the exit status, or -1 when it did not exit normally. One
    // that is still there after the grace time is killed.
    int Stop(int signal, std::chrono::milliseconds grace = std::chrono::hours(1)) {
        if (pid_ <= 0) {
            return -1;
        }
        kill(pid_, signal);
        int status = 0;
        const auto end = std::chrono::steady_clock::now() + grace;
        while (waitpid(pid_, &status, WNOHANG) != pid_) {
            if (std::chrono::steady_clock::now() > end) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            usleep(5000);
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string buffer_;
};

}  // namespace vorlane::testing
