#include "midi/routed_midi_out.h"

#include <algorithm>

namespace vorlane {

namespace {

constexpr std::uint8_t kAllNotesOffController = 123;

std::uint8_t OnChannel(std::uint8_t status, std::uint8_t channel) {
    return static_cast<std::uint8_t>(status | (channel & 0x0F));
}

}  // namespace

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

void RoutedMidiOut::ProgramChange(std::uint8_t program) {
    if (!open_) {
        return;
    }
    program_ = program;
    Send({kProgramChangeStatus, program, 0, 2});
}

void RoutedMidiOut::NoteOn(std::uint8_t note, std::uint8_t velocity) {
    if (open_) {
        Send({kNoteOnStatus, note, velocity, 3});
    }
}

void RoutedMidiOut::ChannelNoteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) {
    if (open_) {
        Send({OnChannel(kNoteOnStatus, channel), note, velocity, 3});
    }
}

void RoutedMidiOut::ChannelNoteOff(std::uint8_t channel, std::uint8_t note) {
    if (open_) {
        Send({OnChannel(kNoteOffStatus, channel), note, 0, 3});
    }
}

void RoutedMidiOut::ChannelProgramChange(std::uint8_t channel, std::uint8_t program) {
    if (open_) {
        Send({OnChannel(kProgramChangeStatus, channel), program, 0, 2});
    }
}

void RoutedMidiOut::ChannelControlChange(std::uint8_t channel, std::uint8_t controller,
                                         std::uint8_t value) {
    if (open_) {
        Send({OnChannel(kControlChangeStatus, channel), controller, value, 3});
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
        RestoreProgram();
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
        RestoreProgram();
    } else if (!external_ && there) {
        synth_.AllNotesOff();
        Attach();
    }
}

void RoutedMidiOut::Send(const ShortMessage& message) {
    if (!external_) {
        SendToSynth(message);
        return;
    }
    const std::size_t channel = message.status & 0x0F;
    channelsUsed_.set(channel);
    const std::uint8_t kind = message.status & 0xF0;
    if (kind == kNoteOnStatus) {
        sounding_[channel].set(message.data1 & 0x7F, message.data2 != 0);
    } else if (kind == kNoteOffStatus) {
        sounding_[channel].reset(message.data1 & 0x7F);
    }
    if (!port_->Send(message)) {
        // The destination is gone: the synth takes over at once, this message included.
        Detach();
        RestoreProgram();
        Send(message);
    }
}

void RoutedMidiOut::SendToSynth(const ShortMessage& message) {
    const std::uint8_t channel = message.status & 0x0F;
    switch (message.status & 0xF0) {
        case kProgramChangeStatus:
            if (channel == 0) {
                synth_.ProgramChange(message.data1);
            } else {
                synth_.ChannelProgramChange(channel, message.data1);
            }
            break;
        case kNoteOnStatus:
            if (channel == 0) {
                synth_.NoteOn(message.data1, message.data2);
            } else {
                synth_.ChannelNoteOn(channel, message.data1, message.data2);
            }
            break;
        case kNoteOffStatus:
            synth_.ChannelNoteOff(channel, message.data1);
            break;
        case kControlChangeStatus:
            synth_.ChannelControlChange(channel, message.data1, message.data2);
            break;
        default:
            break;
    }
}

bool RoutedMidiOut::Attach() {
    if (port_ == nullptr || !port_->Connect(choice_)) {
        return false;
    }
    external_ = true;
    if (open_ && program_) {
        // The instrument follows the sound mode from the first note it gets.
        Send({kProgramChangeStatus, *program_, 0, 2});
    }
    return true;
}

void RoutedMidiOut::Detach() {
    SilenceDestination();
    port_->Disconnect();
    external_ = false;
    channelsUsed_.reset();
}

void RoutedMidiOut::SilenceDestination() {
    // Delivery is not checked here: a destination on its way out gets what it can still take.
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        for (std::uint8_t note = 0; note < 128; ++note) {
            if (sounding_[channel].test(note)) {
                port_->Send({std::uint8_t(kNoteOffStatus | channel), note, 0, 3});
            }
        }
        sounding_[channel].reset();
    }
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        if (channelsUsed_.test(channel)) {
            port_->Send(
                {std::uint8_t(kControlChangeStatus | channel), kAllNotesOffController, 0, 3});
        }
    }
}

void RoutedMidiOut::RestoreProgram() {
    if (open_ && program_) {
        synth_.ProgramChange(*program_);
    }
}

}  // namespace vorlane
