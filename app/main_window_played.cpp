#include <algorithm>
#include <iterator>

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
        playedKeys_->Update(update.held, update.pressed, update.changedAtMs);
        // A key let go leaves the picture.
        std::vector<int> stillHeld;
        std::ranges::set_intersection(spottedKeys_, update.held, std::back_inserter(stillHeld));
        ShowPlayedKeys(stillHeld);
        FollowOutputStatus();
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
    ShowPlayedKeys(keys.chord ? std::vector<int>{} : keys.notes);
    if (keys.chord) {
        ShowPlayedChord(*keys.chord);
    }
}

// Round and blue, just above where a chord's square red marker would stand, so neither hides
// the other. A note off the picture shows in the nearest of its octaves.
void MainWindow::ShowPlayedKeys(const std::vector<int>& notes) {
    constexpr ui::Rgb kPlayedBlue{0, 90, 255};
    constexpr int kSpotSize = 12;
    constexpr int kAboveMarker = 14;
    spottedKeys_ = notes;
    KeyboardPicture->spots.clear();
    for (int note : notes) {
        KeyNumber key = KeyOfNote(note, false);
        while (key < kLowestKey) {
            key += 12;
        }
        while (key > kHighestKey) {
            key -= 12;
        }
        const MarkerPosition& at = KeyMarkerPositions[static_cast<std::size_t>(key)];
        KeyboardPicture->spots.push_back({at.x + 2, at.y - kAboveMarker, kSpotSize, kPlayedBlue});
    }
}

// In the spelling column of the last root chosen; the player is sounding it already.
void MainWindow::ShowPlayedChord(const NamedChord& chord) {
    SelectChord({RootKeyOf(chord.rootPitchClass), state.spelling, chord.type, chord.inversion},
                PlayPolicy::Silent);
}

}  // namespace vorlane
