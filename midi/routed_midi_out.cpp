#include "midi/routed_midi_out.h"

#include <algorithm>
#include <chrono>

namespace vorlane {

RoutedMidiOut::RoutedMidiOut(MidiOut& synth, MidiOutPort* port, Clock clock)
    : synth_(synth), port_(port), clock_(std::move(clock)) {}

std::int64_t RoutedMidiOut::Now() const {
    if (clock_) {
        return clock_();
    }
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void RoutedMidiOut::Open() {
    const std::lock_guard lock(mutex_);
    // The synth opens even while a destination is chosen, so that falling back is instant.
    synth_.Open();
    open_ = true;
}

void RoutedMidiOut::AllNotesOff() {
    const std::lock_guard lock(mutex_);
    if (!open_) {
        return;
    }
    if (external_) {
        SilenceDestination();
    } else {
        synth_.AllNotesOff();
    }
}

void RoutedMidiOut::Close() {
    const std::lock_guard lock(mutex_);
    const bool sounding = std::any_of(sounding_.begin(), sounding_.end(),
                                      [](const std::bitset<128>& notes) { return notes.any(); });
    if (open_ && external_ && sounding) {
        SilenceDestination();
    }
    channelsUsed_.reset();
    synth_.Close();
    open_ = false;
}

void RoutedMidiOut::Send(const MidiMessage& message) {
    const std::lock_guard lock(mutex_);
    SendLocked(message, false);
}

void RoutedMidiOut::SendLive(const MidiMessage& message) {
    const std::lock_guard lock(mutex_);
    SendLocked(message, true);
}

void RoutedMidiOut::SendLocked(const MidiMessage& message, bool live) {
    if (!open_) {
        return;
    }
    if (message.Kind() == kProgramChangeStatus) {
        programs_[static_cast<std::size_t>(message.Channel())] = message.data1;
    }
    // Kept from an echoing destination, the player's notes cannot go round in circles.
    const bool keptBack = live && echo_.Echoing();
    if (keptBack || !ToDestination(message)) {
        synth_.Send(message);
    }
}

bool RoutedMidiOut::TakeEcho(const MidiMessage& message) {
    const std::lock_guard lock(mutex_);
    return external_ && echo_.TakeEcho(message, Now());
}

RoutedMidiOut::Status RoutedMidiOut::CurrentStatus() const {
    const std::lock_guard lock(mutex_);
    return {choice_, external_, external_ && echo_.Echoing()};
}

std::vector<std::string> RoutedMidiOut::Destinations() const {
    const std::lock_guard lock(mutex_);
    return port_ != nullptr ? port_->Destinations() : std::vector<std::string>{};
}

void RoutedMidiOut::Choose(const std::string& destination) {
    const std::lock_guard lock(mutex_);
    if (destination == choice_) {
        RecheckLocked();
        return;
    }
    echo_.Reset();
    if (external_) {
        Detach();
    } else {
        synth_.AllNotesOff();
    }
    choice_ = destination;
    if (choice_.empty() || !Attach()) {
        RestorePrograms();
    }
}

void RoutedMidiOut::Recheck() {
    const std::lock_guard lock(mutex_);
    RecheckLocked();
}

void RoutedMidiOut::RecheckLocked() {
    if (choice_.empty() || port_ == nullptr) {
        return;
    }
    const std::vector<std::string> present = port_->Destinations();
    const bool there = std::find(present.begin(), present.end(), choice_) != present.end();
    if (external_ && !there) {
        Detach();
        RestorePrograms();
    } else if (!external_ && there) {
        synth_.AllNotesOff();
        Attach();
    }
}

bool RoutedMidiOut::ToDestination(const MidiMessage& message) {
    if (!external_) {
        return false;
    }
    const std::size_t channel = std::size_t(message.Channel());
    channelsUsed_.set(channel);
    if (message.Kind() == kNoteOnStatus) {
        sounding_[channel].set(message.data1 & kDataMask, message.data2 != 0);
    } else if (message.Kind() == kNoteOffStatus) {
        sounding_[channel].reset(message.data1 & kDataMask);
    } else if (message.Kind() == kControlChangeStatus && message.data1 == kSustainController) {
        sustained_.set(channel, message.data2 >= 64);
    }
    if (port_->Send(message)) {
        echo_.Sent(message, Now());
        return true;
    }
    // The destination is gone: the synth takes over at once, this message included.
    Detach();
    RestorePrograms();
    return false;
}

bool RoutedMidiOut::Attach() {
    if (port_ == nullptr || !port_->Connect(choice_)) {
        return false;
    }
    external_ = true;
    if (open_) {
        // The instrument follows the sound mode from the first note it gets.
        for (std::uint8_t channel = 0; channel < 16; ++channel) {
            if (programs_[channel] &&
                !ToDestination(ProgramChangeMessage(channel, *programs_[channel]))) {
                break;
            }
        }
    }
    return external_;
}

void RoutedMidiOut::Detach() {
    SilenceDestination();
    port_->Disconnect();
    external_ = false;
    channelsUsed_.reset();
}

void RoutedMidiOut::SilenceDestination() {
    // Delivery is not checked here: a destination on its way out gets what it can still take.
    // A held sustain pedal would keep the released notes ringing, so it is lifted first.
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        if (sustained_.test(channel)) {
            port_->Send(ControlChangeMessage(channel, kSustainController, 0));
        }
        for (std::uint8_t note = 0; note < 128; ++note) {
            if (sounding_[channel].test(note)) {
                port_->Send(NoteOffMessage(channel, note));
            }
        }
        sounding_[channel].reset();
    }
    sustained_.reset();
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        if (channelsUsed_.test(channel)) {
            port_->Send(ControlChangeMessage(channel, kAllNotesOffController, 0));
        }
    }
}

void RoutedMidiOut::RestorePrograms() {
    if (!open_) {
        return;
    }
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        if (!programs_[channel]) {
            continue;
        }
        synth_.Send(ProgramChangeMessage(channel, *programs_[channel]));
    }
}

}  // namespace vorlane
