#include <algorithm>
#include <utility>

#include "app/main_window.h"
#include "settings/settings_rules.h"

namespace vorlane {

namespace {

constexpr int kArpeggioTailMs = 800;

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

}  // namespace

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
    MidiOut& midi = services_.midi;
    const SoundMode mode = state.soundMode;
    midi.AllNotesOff();
    const SoundModeRow& row = SoundModeInfo(mode);
    if (row.program) {
        midi.ProgramChange(*row.program);
    }
    if (row.program && !IsArpeggio(mode)) {
        // The organ sounds the chord at once, lowest key first.
        std::vector<ShownTone> byKey = state.tones;
        std::sort(byKey.begin(), byKey.end(), [](const ShownTone& a, const ShownTone& b) {
            return a.key != b.key ? a.key < b.key : a.slot < b.slot;
        });
        for (const ShownTone& tone : byKey) {
            midi.NoteOn(Byte(KeyNote(tone.key, state.octaveHigher)), kFullVelocity);
        }
    }
    if (IsArpeggio(mode)) {
        PlayArpeggio();
    }
}

void MainWindow::PlayArpeggio() {
    if (state.inversion != Inversion::RootPosition) {
        return;
    }
    SetPlaybackLock(true);
    playing = true;

    // An arpeggio climbs the markers in order, root first.
    std::vector<ShownTone> tones = state.tones;
    std::sort(tones.begin(), tones.end(),
              [](const ShownTone& a, const ShownTone& b) { return a.slot < b.slot; });
    // Each note is scheduled against the arpeggio's start so that onsets never drift; the
    // event loop keeps running in between.
    const std::int64_t start = services_.eventLoop.NowMs();
    const std::int64_t delay = arpeggioDelayMs;
    auto sound = [this, octaveHigher = state.octaveHigher](const ShownTone& tone) {
        services_.midi.NoteOn(Byte(KeyNote(tone.key, octaveHigher)), kFullVelocity);
        ShowPlayMarker(tone);
    };
    auto untilOffset = [this, start](std::int64_t offset) {
        return start + offset - services_.eventLoop.NowMs();
    };
    if (!tones.empty()) {
        sound(tones.front());
    }
    for (std::size_t i = 1; i < tones.size(); ++i) {
        RunLater(untilOffset(std::int64_t(i) * delay), [sound, tone = tones[i]] { sound(tone); });
    }
    RunLater(untilOffset(std::int64_t(tones.size()) * delay + kArpeggioTailMs),
             [this] { FinishArpeggio(); });
}

void MainWindow::FinishArpeggio() {
    HidePlayMarker();
    services_.midi.AllNotesOff();
    playing = false;
    SetPlaybackLock(false);
    ShowDeferredPlayedChord();
    if (closeRequested) {
        if (openDialogs > 0) {
            closeDue = true;
        } else {
            CloseDeferred();
        }
    }
    if (IsArpeggio(state.soundMode)) {
        services_.midi.ProgramChange(*GeneralMidiProgram(state.soundMode));
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
    MidiOut& midi = services_.midi;
    state.soundMode = SoundModeFromButtons();
    const SoundModeRow& row = SoundModeInfo(state.soundMode);
    switch (state.soundMode) {
        case SoundMode::NoSound:
            playing = false;
            midi.AllNotesOff();
            StoreSoundMode(services_.settings, row.mode);
            break;
        case SoundMode::HammondOrgan:
            playing = false;
            midi.AllNotesOff();
            midi.ProgramChange(*row.program);
            UpdateInversionAvailability(true);
            PlayCurrentChord();  // also while start-up keeps the refresh silent
            StoreSoundMode(services_.settings, row.mode);
            break;
        case SoundMode::PianoArpeggio:
            midi.AllNotesOff();
            midi.ProgramChange(*row.program);
            StoreSoundMode(services_.settings, row.mode);
            arpeggioDelayMs = row.arpeggioDelayMs;
            // The inversion is tested before the selector is put back to root position, so
            // switching to piano with an inversion chosen plays nothing.
            if (!state.suppressNextPlay && SelectedInversion() == Inversion::RootPosition) {
                services_.eventLoop.RepaintChangesNow();
                PlayCurrentChord();
            }
            UpdateInversionAvailability(false);
            break;
        case SoundMode::GuitarArpeggio:
            midi.AllNotesOff();
            midi.ProgramChange(*row.program);
            StoreSoundMode(services_.settings, row.mode);
            arpeggioDelayMs = row.arpeggioDelayMs;
            UpdateInversionAvailability(false);
            if (!state.suppressNextPlay && SelectedInversion() == Inversion::RootPosition) {
                services_.eventLoop.RepaintChangesNow();
                PlayCurrentChord();
            }
            UpdateInversionAvailability(false);
            break;
    }
}

void MainWindow::ApplyOctave() {
    state.octaveHigher = OctaveHigherCheck->checked;
    StoreOctave(services_.settings, state.octaveHigher);
    if (!state.suppressNextPlay) {
        services_.eventLoop.RepaintChangesNow();
        PlayCurrentChord();
    }
}

bool MainWindow::OnCloseRequest() {
    if (playing || openDialogs > 0) {
        // The arpeggio, or else the dialog, closes the device and asks again when it ends.
        closeRequested = true;
        closeDue = closeDue || !playing;
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
    if (--owner.openDialogs == 0 && std::exchange(owner.closeDue, false)) {
        owner.CloseDeferred();
    }
}

}  // namespace vorlane
