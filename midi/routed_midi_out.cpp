#include "midi/routed_midi_out.h"

#include <algorithm>

namespace vorlane {

RoutedMidiOut::RoutedMidiOut(MidiOut& synth, MidiOutPort* port) : synth_(synth), port_(port) {}

void RoutedMidiOut::Open() {
    // The synth opens even while a destination is chosen, so that falling back is instant.
    synth_.Open();
    open_ = true;
}

void RoutedMidiOut::AllNotesOff() {
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
    if (!open_) {
        return;
    }
    if (message.Kind() == kProgramChangeStatus) {
        programs_[static_cast<std::size_t>(message.Channel())] = message.data1;
    }
    if (!ToDestination(message)) {
        synth_.Send(message);
    }
}

std::vector<std::string> RoutedMidiOut::Destinations() const {
    return port_ != nullptr ? port_->Destinations() : std::vector<std::string>{};
}

void RoutedMidiOut::Choose(const std::string& destination) {
    if (destination == choice_) {
        Recheck();
        return;
    }
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
