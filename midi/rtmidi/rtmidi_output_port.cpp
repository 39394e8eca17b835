#include "midi/rtmidi/rtmidi_output_port.h"

#include <rtmidi/RtMidi.h>

namespace vorlane {

namespace {

bool IsOwnPort(const std::string& name) {
    const std::string client = name.substr(0, name.find(':'));
    // JACK numbers a second client of the same name: "Vorlane-01".
    return client == MidiSystem::kClientName ||
           client.rfind(std::string{MidiSystem::kClientName} + "-", 0) == 0;
}

}  // namespace

std::unique_ptr<RtMidiOutputPort> RtMidiOutputPort::Open() {
    std::unique_ptr<RtMidiOutputPort> port(new RtMidiOutputPort());
    port->system_ = MidiSystem::Open();
    if (!port->system_) {
        return nullptr;
    }
    try {
        port->out_ = std::make_unique<RtMidiOut>(port->system_->Api(), MidiSystem::kClientName);
        port->out_->setErrorCallback(&RtMidiOutputPort::OnError, port.get());
        port->out_->openVirtualPort(kPortName);
    } catch (const RtMidiError&) {
        return nullptr;
    }
    return port;
}

RtMidiOutputPort::~RtMidiOutputPort() {
    if (out_) {
        out_->closePort();
    }
}

void RtMidiOutputPort::OnError(RtMidiError::Type type, const std::string&, void* self) {
    // Warnings (a port that vanished while listed) change nothing; errors fail the call.
    if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING) {
        static_cast<RtMidiOutputPort*>(self)->failed_ = true;
    }
}

std::vector<std::string> RtMidiOutputPort::Destinations() {
    std::vector<std::string> names;
    const unsigned int count = out_->getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        std::string name = out_->getPortName(i);
        if (!name.empty() && !IsOwnPort(name)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

bool RtMidiOutputPort::Connect(const std::string& destination) {
    const unsigned int count = out_->getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        if (out_->getPortName(i) == destination) {
            out_->closePort();
            failed_ = false;
            out_->openPort(i, kPortName);
            if (!failed_) {
                return true;
            }
            Disconnect();
            return false;
        }
    }
    return false;
}

void RtMidiOutputPort::Disconnect() {
    // Closing drops the connection (and with JACK the port); the port stays for patchbays.
    out_->closePort();
    out_->openVirtualPort(kPortName);
}

bool RtMidiOutputPort::Send(const MidiMessage& message) {
    const std::size_t size = message.Kind() == 0xC0 || message.Kind() == 0xD0 ? 2 : 3;
    const unsigned char bytes[3] = {message.status, message.data1, message.data2};
    failed_ = false;
    out_->sendMessage(bytes, size);
    return !failed_;
}

}  // namespace vorlane
