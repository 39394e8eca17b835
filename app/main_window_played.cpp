#include "app/main_window.h"
#include "midi/live_sound.h"
#include "practice/played_input.h"
#include "practice/played_keys.h"

namespace vorlane {

bool MainWindow::ListenTo(MidiIn& midiIn) {
    playedKeys_ = std::make_unique<PlayedKeys>(
        services_.eventLoop,
        [this](const PlayedKeys::Settled& keys) { OnPlayedKeysSettled(keys); });
    liveSound_ = std::make_unique<LiveSound>(services_.midi);
    liveSound_->FollowMode(player.Mode());
    PlayedInput::Hooks hooks;
    hooks.sound = liveSound_.get();
    if (RoutedMidiOut* output = services_.output) {
        hooks.isEcho = [output](const MidiMessage& message) { return output->TakeEcho(message); };
    }
    hooks.onUpdate = [this](const PlayedInput::Update& update) {
        playedKeys_->Update(update.held, update.pressed);
    };
    hooks.onSystemChanged = [this] { MidiSystemChanged(); };
    playedInput_ = std::make_unique<PlayedInput>(services_.eventLoop, std::move(hooks));
    midiIn_ = &midiIn;
    return midiIn.Open(*playedInput_);
}

void MainWindow::StopListening() {
    if (midiIn_ != nullptr) {
        midiIn_->Close();
        midiIn_ = nullptr;
    }
}

void MainWindow::OnPlayedKeysSettled(const PlayedKeys::Settled& keys) {
    if (takePlayedNotes && takePlayedNotes(keys.notes)) {
        return;
    }
    if (keys.chord) {
        ShowPlayedChord(*keys.chord);
    }
}

// In the spelling column of the last root chosen; the player is sounding it already.
void MainWindow::ShowPlayedChord(const NamedChord& chord) {
    SelectChord({RootKeyOf(chord.rootPitchClass), state.spelling, chord.type, chord.inversion},
                PlayPolicy::Silent);
}

}  // namespace vorlane
