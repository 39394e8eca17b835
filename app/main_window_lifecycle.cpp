#include "app/main_window.h"
#include "settings/chord_folders.h"

namespace vorlane {

namespace {

// The " - 32 bit - " tail is kept: users know the about box by this title.
std::string AboutTitle(const std::string& productName) {
    return productName + " " + std::string{VersionText} + " - 32 bit - ";
}

}  // namespace

void MainWindow::OnFirstShow() {
    if (startupDone) {
        return;  // a later show (after minimising, say) changes nothing
    }
    startupDone = true;
    startingUp_ = true;
    closeRequested = false;
    LoadSettings();
    ApplyLanguage();
    services_.midi.Open();
    saveDialog.initialFolder = DefaultChordFolder(services_.homeFolder);
    lastSaveFolder.clear();
    SelectFromControls(PlayPolicy::Silent);  // the chord on show is not played
    startingUp_ = false;
    ResetRememberedChords();
    window.caption = productName + " " + std::string{VersionText};
    UpdateInversionAvailability(true);
    BlankKeyMarkers();
    aboutInfo.title = AboutTitle(productName);
}

void MainWindow::ShowAbout() {
    aboutInfo.title = AboutTitle(productName);
    const ModalDialog modal(*this);
    // The MIDI system in use, as a further line under the notice.
    ui::AboutInfo shown = aboutInfo;
    shown.notice += "\n" + MidiSystemStatus();
    services_.dialogs.ShowAbout(shown);
}

}  // namespace vorlane
