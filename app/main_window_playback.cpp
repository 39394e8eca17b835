#include <utility>

#include "app/main_window.h"
#include "midi/live_sound.h"
#include "settings/settings_rules.h"

namespace vorlane {

// With no button checked the last one, guitar, is taken.
SoundMode MainWindow::SoundModeFromButtons() const {
    for (const SoundModeRow& row : SoundModes) {
        if (window.Find(row.button)->checked) {
            return row.mode;
        }
    }
    return SoundModes.back().mode;
}

void MainWindow::PlayCurrentChord() {
    player.Play(state.tones, state.octaveHigher, state.inversion);
    FollowOutputStatus();  // the chord may have found the chosen output gone
}

// The arpeggio has ended and every note is off: the controls come back, and what waited for
// them happens now.
void MainWindow::FinishArpeggio() {
    HidePlayMarker();
    SetPlaybackLock(false);
    SelectDeferredChord();
    if (closeRequested) {
        if (openDialogs > 0) {
            closeDue = true;
        } else {
            CloseDeferred();
        }
    }
}

void MainWindow::SetPlaybackLock(bool lock) {
    for (const ui::Control* group : {ScaleGroup, VariationGroup, SoundGroup, LanguageGroup}) {
        for (ui::Control* c : window.DescendantsOf(group)) {
            c->enabled = !lock;
        }
    }
    if (!lock) {
        UpdateInversionAvailability(true);
    }
}

void MainWindow::ApplySoundMode() {
    TellChordListOfChoice();
    const SoundMode mode = SoundModeFromButtons();
    player.ChangeMode(mode);
    if (liveSound_) {
        liveSound_->FollowMode(mode);
    }
    StoreSoundMode(services_.settings, mode);
    switch (mode) {
        case SoundMode::NoSound:
            break;
        case SoundMode::HammondOrgan:
            UpdateInversionAvailability(true);
            PlayCurrentChord();  // also during start-up
            break;
        case SoundMode::PianoArpeggio:
            // The inversion is tested before the selector is put back to root position, so
            // switching to piano with an inversion chosen plays nothing.
            if (!startingUp_ && SelectedInversion() == Inversion::RootPosition) {
                services_.eventLoop.RepaintChangesNow();
                PlayCurrentChord();
            }
            UpdateInversionAvailability(false);
            break;
        case SoundMode::GuitarArpeggio:
            UpdateInversionAvailability(false);
            if (!startingUp_ && SelectedInversion() == Inversion::RootPosition) {
                services_.eventLoop.RepaintChangesNow();
                PlayCurrentChord();
            }
            UpdateInversionAvailability(false);
            break;
    }
}

void MainWindow::ApplyOctave() {
    TellChordListOfChoice();
    state.octaveHigher = OctaveHigherCheck->checked;
    StoreOctave(services_.settings, state.octaveHigher);
    if (!startingUp_) {
        services_.eventLoop.RepaintChangesNow();
        PlayCurrentChord();
    }
}

bool MainWindow::OnCloseRequest() {
    if (player.Playing() || openDialogs > 0) {
        // The arpeggio, or else the dialog, closes the device and asks again when it ends.
        closeRequested = true;
        closeDue = closeDue || !player.Playing();
        return false;
    }
    services_.midi.AllNotesOff();
    services_.midi.Close();
    return true;
}

void MainWindow::CloseDeferred() {
    services_.midi.Close();
    std::weak_ptr<MainWindow*> alive = self_;
    services_.eventLoop.Post([alive] {
        if (auto self = alive.lock()) {
            (*self)->window.RequestClose();
        }
    });
}

MainWindow::ModalDialog::~ModalDialog() {
    if (--owner.openDialogs > 0) {
        return;
    }
    if (std::exchange(owner.closeDue, false)) {
        owner.CloseDeferred();
    } else if (!owner.player.Playing()) {
        owner.SelectDeferredChord();
    }
}

}  // namespace vorlane
