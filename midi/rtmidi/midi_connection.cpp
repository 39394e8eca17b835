#include "midi/rtmidi/midi_connection.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace vorlane {

MidiConnection::MidiConnection(std::function<void()> onChange) : onChange_(std::move(onChange)) {}

MidiConnection::~MidiConnection() {
    {
        const std::lock_guard lock(watchMutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (watcher_.joinable()) {
        watcher_.join();
    }
    std::unique_ptr<MidiSystem> system;
    {
        const std::lock_guard lock(systemMutex_);
        system = std::move(system_);
    }
    // Closed outside the lock: its input's last words go through Send-taking handlers.
    system.reset();
}

void MidiConnection::Start() {
    watcher_ = std::thread([this] { Watch(); });
}

bool MidiConnection::StartNow() {
    const bool found = Probe();
    if (!found) {
        const std::lock_guard lock(watchMutex_);
        lookAgain_ = false;
        return false;
    }
    Start();
    return true;
}

bool MidiConnection::Open(MidiInHandler& handler) {
    {
        const std::lock_guard lock(watchMutex_);
        if (!lookAgain_) {
            return false;
        }
    }
    const std::lock_guard lock(handlerMutex_);
    handler_ = &handler;
    return true;
}

void MidiConnection::Close() {
    const std::lock_guard lock(handlerMutex_);
    handler_ = nullptr;
}

void MidiConnection::Relay::OnMessage(SourceId source, const MidiMessage& message) {
    const std::lock_guard lock(owner_.handlerMutex_);
    if (owner_.handler_ != nullptr) {
        owner_.handler_->OnMessage(source, message);
    }
}

void MidiConnection::Relay::OnSourceGone(SourceId source) {
    const std::lock_guard lock(owner_.handlerMutex_);
    if (owner_.handler_ != nullptr) {
        owner_.handler_->OnSourceGone(source);
    }
}

void MidiConnection::Relay::OnSystemChanged() {
    const std::lock_guard lock(owner_.handlerMutex_);
    if (owner_.handler_ != nullptr) {
        owner_.handler_->OnSystemChanged();
    }
}

void MidiConnection::Watch() {
    using Clock = std::chrono::steady_clock;
    Clock::time_point nextProbe = Clock::now();
    std::optional<Clock::time_point> lostAt;
    std::unique_lock lock(watchMutex_);
    while (!stopping_) {
        const bool lookAgain = lookAgain_;
        lock.unlock();
        bool open = false;
        bool lost = false;
        {
            const std::lock_guard systemLock(systemMutex_);
            open = system_ != nullptr;
            lost = open && system_->Lost();
        }
        if (lost) {
            // Closed once the library's own threads are done with the dying server: closing
            // cancels its notification thread, and cancelled while it handles the server's
            // last notices it leaves the library's process-wide lock taken for good.
            lostAt = lostAt.value_or(Clock::now());
            if (Clock::now() - *lostAt < std::chrono::milliseconds(kLostGraceMs)) {
                lock.lock();
                wake_.wait_for(lock, std::chrono::milliseconds(kWatchMs));
                continue;
            }
            lostAt.reset();
            ForgetLostSystem();
            open = false;
        }
        if (!open && lookAgain && Clock::now() >= nextProbe) {
            nextProbe = Clock::now() + std::chrono::milliseconds(kRetryMs);
            Probe();
        } else if (open) {
            ConnectArrivals();
        }
        lock.lock();
        wake_.wait_for(lock, std::chrono::milliseconds(kWatchMs));
    }
}

bool MidiConnection::Probe() {
    MidiSystem::Sink sink{relay_,
                          [this] {
                              { const std::lock_guard lock(watchMutex_); }
                              wake_.notify_all();
                          },
                          nextSource_};
    std::unique_ptr<MidiSystem> system = MidiSystem::Open(std::move(sink));
    if (!system) {
        return false;
    }
    {
        const std::lock_guard lock(systemMutex_);
        system_ = std::move(system);
        attached_.clear();
        connected_.clear();
    }
    ConnectArrivals();
    Changed();
    return true;
}

void MidiConnection::ForgetLostSystem() {
    std::unique_ptr<MidiSystem> lost;
    {
        const std::lock_guard lock(systemMutex_);
        lost = std::move(system_);
        attached_.clear();
        connected_.clear();
    }
    lost.reset();  // its sources are told gone: what they held is released
    Changed();
}

void MidiConnection::ConnectArrivals() {
    bool connected = false;
    bool went = false;
    {
        const std::lock_guard lock(systemMutex_);
        if (!system_) {
            return;
        }
        const std::vector<std::string> present = system_->Sources();
        auto isPresent = [&present](const std::string& source) {
            return std::find(present.begin(), present.end(), source) != present.end();
        };
        // A source unplugged and plugged in again is connected again.
        std::erase_if(attached_, [&](const std::string& source) { return !isPresent(source); });
        std::erase_if(connected_, [&](const std::string& source) { return !isPresent(source); });
        std::vector<std::string> arrivals = system_->HardwareSources();
        std::copy_if(wanted_.begin(), wanted_.end(), std::back_inserter(arrivals), isPresent);
        for (const std::string& source : arrivals) {
            if (!attached_.contains(source) && system_->ConnectSource(source)) {
                attached_.insert(source);
                connected_.insert(source);
                connected = true;
            }
        }
        went = system_->SourcesWent();
    }
    if (went) {
        relay_.OnSourceGone(kMergedSources);
    }
    if (connected) {
        Changed();
    }
}

void MidiConnection::Changed() {
    if (onChange_) {
        onChange_();
    }
    relay_.OnSystemChanged();
}

MidiSystemKind MidiConnection::System() {
    const std::lock_guard lock(systemMutex_);
    return system_ ? system_->Kind() : MidiSystemKind::None;
}

std::vector<std::string> MidiConnection::Sources() {
    const std::lock_guard lock(systemMutex_);
    return system_ ? system_->Sources() : std::vector<std::string>{};
}

bool MidiConnection::IsConnected(const std::string& source) {
    const std::lock_guard lock(systemMutex_);
    return system_ && system_->IsSourceConnected(source);
}

void MidiConnection::SetConnected(const std::string& source, bool connected) {
    const std::lock_guard lock(systemMutex_);
    if (connected) {
        wanted_.insert(source);
    } else {
        wanted_.erase(source);
    }
    if (!system_) {
        return;
    }
    // Either way the watch leaves it as it is from now on, for as long as it is present.
    attached_.insert(source);
    if (connected && system_->ConnectSource(source)) {
        connected_.insert(source);
    } else if (!connected) {
        system_->DisconnectSource(source);
        connected_.erase(source);
    }
}

std::vector<std::string> MidiConnection::ConnectedSources() {
    const std::lock_guard lock(systemMutex_);
    return {connected_.begin(), connected_.end()};
}

std::string MidiConnection::InputPort() {
    const std::lock_guard lock(systemMutex_);
    return system_ ? system_->InputPort() : std::string{};
}

std::vector<std::string> MidiConnection::Destinations() {
    const std::lock_guard lock(systemMutex_);
    return system_ ? system_->Destinations() : std::vector<std::string>{};
}

bool MidiConnection::Connect(const std::string& destination) {
    const std::lock_guard lock(systemMutex_);
    return system_ && system_->ConnectOutput(destination);
}

void MidiConnection::Disconnect() {
    const std::lock_guard lock(systemMutex_);
    if (system_) {
        system_->DisconnectOutput();
    }
}

bool MidiConnection::Send(const MidiMessage& message) {
    const std::lock_guard lock(systemMutex_);
    return system_ && system_->Send(message);
}

}  // namespace vorlane
