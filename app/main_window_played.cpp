#include "app/main_window.h"
#include "practice/played_keys.h"

namespace vorlane {

namespace {

constexpr std::uint8_t kLiveChannel = 1;  // MIDI channel 2: the chords play on channel 1

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
    const std::uint8_t data1 = message.data1 & kDataMask;
    const std::uint8_t data2 = message.data2 & kDataMask;
    if (message.IsNoteOn()) {
        const std::optional<std::uint8_t> program = GeneralMidiProgram(player.Mode());
        if (!program) {
            return;
        }
        if (*program != liveProgram_) {
            midi.Send(ProgramChangeMessage(kLiveChannel, *program));
            liveProgram_ = *program;
        }
        midi.Send(NoteOnMessage(kLiveChannel, data1, data2));
    } else if (message.IsNoteOff()) {
        midi.Send(NoteOffMessage(kLiveChannel, data1));
    } else if (message.Kind() == kControlChangeStatus &&
               (data1 == kSustainController || data1 == kAllNotesOffController ||
                data1 == kAllSoundOffController)) {
        midi.Send(ControlChangeMessage(kLiveChannel, data1, data2));
    }
}

// In the spelling column of the last root chosen; the player is sounding it already.
void MainWindow::ShowPlayedChord(const NamedChord& chord) {
    SelectChord({RootKeyOf(chord.rootPitchClass), state.spelling, chord.type, chord.inversion},
                PlayPolicy::Silent);
}

}  // namespace vorlane
