#include "midi/rtmidi/rtmidi_input.h"

#include <rtmidi/RtMidi.h>

#include <algorithm>
#include <chrono>

namespace vorlane {

namespace {

constexpr auto kWatchInterval = std::chrono::milliseconds(500);

void IgnoreError(RtMidiError::Type, const std::string&, void*) {}

// Channel voice messages only: 2 data bytes, or 1 for program change and channel pressure.
bool IsChannelMessage(const std::vector<unsigned char>& bytes) {
    if (bytes.empty() || bytes[0] < 0x80 || bytes[0] >= 0xF0) {
        return false;
    }
    const int kind = bytes[0] & 0xF0;
    const std::size_t size = (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
    return bytes.size() >= size;
}

}  // namespace

RtMidiInput::RtMidiInput(Post post) : post_(std::move(post)) {}

RtMidiInput::~RtMidiInput() {
    Close();
}

bool RtMidiInput::Open(Receiver receiver) {
    if (in_) {
        return true;
    }
    system_ = MidiSystem::Open();
    if (!system_) {
        return false;
    }
    const std::vector<std::string> before = system_->OwnInputPorts(kPortName);
    try {
        in_ = std::make_unique<RtMidiIn>(system_->Api(), MidiSystem::kClientName);
        in_->setErrorCallback(IgnoreError, nullptr);
        in_->openVirtualPort(kPortName);
    } catch (const RtMidiError&) {
        in_.reset();
        system_.reset();
        return false;
    }
    // Ours is the one that was not there before (a second Vorlane has a port of the same name).
    for (const std::string& port : system_->OwnInputPorts(kPortName)) {
        if (std::find(before.begin(), before.end(), port) == before.end()) {
            portName_ = port;
        }
    }
    delivery_ = std::make_shared<Delivery>();
    delivery_->receiver = std::move(receiver);
    in_->ignoreTypes(true, true, true);
    in_->setCallback(&RtMidiInput::OnMessage, this);
    ConnectNewSources();
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    watcher_ = std::thread([this] { Watch(); });
    return true;
}

void RtMidiInput::Close() {
    if (!in_) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    if (watcher_.joinable()) {
        watcher_.join();
    }
    delivery_->open = false;
    in_->cancelCallback();
    in_->closePort();
    in_.reset();
    system_.reset();
    delivery_.reset();
    portName_.clear();
    connected_.clear();
}

void RtMidiInput::OnMessage(double, std::vector<unsigned char>* bytes, void* self) {
    if (bytes == nullptr || !IsChannelMessage(*bytes)) {
        return;
    }
    auto* input = static_cast<RtMidiInput*>(self);
    MidiMessage message{(*bytes)[0], (*bytes)[1],
                        bytes->size() > 2 ? (*bytes)[2] : std::uint8_t{0}};
    input->post_([delivery = input->delivery_, message] {
        if (delivery->open) {
            delivery->receiver(message);
        }
    });
}

void RtMidiInput::Watch() {
    std::unique_lock lock(mutex_);
    while (!stop_.wait_for(lock, kWatchInterval, [this] { return stopping_; })) {
        lock.unlock();
        ConnectNewSources();
        lock.lock();
    }
}

void RtMidiInput::ConnectNewSources() {
    if (portName_.empty()) {
        return;
    }
    const std::vector<std::string> present = system_->HardwareSources();
    // A source unplugged and plugged in again is connected again.
    std::erase_if(connected_, [&](const std::string& source) {
        return std::find(present.begin(), present.end(), source) == present.end();
    });
    for (const std::string& source : present) {
        if (!connected_.contains(source) && system_->Connect(source, portName_)) {
            connected_.insert(source);
        }
    }
}

}  // namespace vorlane
