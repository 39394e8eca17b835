#include "app/main_window.h"
#include "app/played_keys.h"

#include <utility>

namespace vorlane {

namespace {

constexpr std::uint8_t kLiveChannel = 1;  // MIDI channel 2: the chords play on channel 1
constexpr std::uint8_t kAllSoundOff = 120;
constexpr std::uint8_t kAllNotesOff = 123;

}  // namespace

bool MainWindow::ListenTo(MidiIn& midiIn) {
    playedKeys_ = std::make_unique<PlayedKeys>(
        services_.eventLoop, [this](const NamedChord& chord) { ShowPlayedChord(chord); });
    std::weak_ptr<MainWindow*> alive = self_;
    return midiIn.Open([alive](const MidiMessage& message) {
        if (auto self = alive.lock()) {
            (*self)->OnPlayedMessage(message);
        }
    });
}

void MainWindow::OnPlayedMessage(const MidiMessage& message) {
    SoundPlayedMessage(message);
    if (playedKeys_) {
        playedKeys_->Receive(message);
    }
}

// The player hears every note at once, in the instrument of the sound mode, as played.
void MainWindow::SoundPlayedMessage(const MidiMessage& message) {
    MidiOut& midi = services_.midi;
    const std::uint8_t data1 = message.data1 & 0x7F;
    const std::uint8_t data2 = message.data2 & 0x7F;
    const bool noteOn = message.Kind() == kNoteOnStatus && data2 > 0;
    if (noteOn) {
        const std::optional<std::uint8_t> program = GeneralMidiProgram(player.Mode());
        if (!program) {
            return;
        }
        if (*program != liveProgram_) {
            midi.ChannelProgramChange(kLiveChannel, *program);
            liveProgram_ = *program;
        }
        midi.ChannelNoteOn(kLiveChannel, data1, data2);
    } else if (message.Kind() == kNoteOnStatus || message.Kind() == kNoteOffStatus) {
        midi.ChannelNoteOff(kLiveChannel, data1);
    } else if (message.Kind() == kControlChangeStatus &&
               (data1 == kSustainController || data1 == kAllNotesOff || data1 == kAllSoundOff)) {
        midi.ChannelControlChange(kLiveChannel, data1, data2);
    }
}

void MainWindow::ShowPlayedChord(const NamedChord& chord) {
    if (player.Playing()) {
        deferredPlayedChord_ = chord;  // the controls are locked until the arpeggio ends
        return;
    }
    const auto& column = state.spelling == Spelling::Sharp ? SharpRootButtons : FlatRootButtons;
    window.SetChecked(*column[static_cast<std::size_t>(chord.rootPitchClass)], true);
    window.SetChecked(*VariationButton(chord.type), true);
    if (!IsArpeggio(player.Mode())) {
        InversionSelector->selectedItem = static_cast<int>(chord.inversion);
    }
    // The player is sounding the chord already: the refresh must not play it again.
    state.suppressNextPlay = true;
    HandleSelection();
}

void MainWindow::ShowDeferredPlayedChord() {
    if (closeRequested) {
        return;
    }
    if (const std::optional<NamedChord> chord = std::exchange(deferredPlayedChord_, std::nullopt)) {
        ShowPlayedChord(*chord);
    }
}

}  // namespace vorlane
