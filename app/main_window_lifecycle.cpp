#include "app/main_window.h"
#include "settings/chord_folders.h"

namespace vorlane {

namespace {

std::string AboutTitle(const std::string& productName) {
    return productName + " " + std::string{VersionText} + " - 32 bit - ";
}

}  // namespace

void MainWindow::OnFirstShow() {
    if (startupDone) {
        return;  // a later show (after minimising, say) changes nothing
    }
    startupDone = true;
    state.suppressNextPlay = true;
    closeRequested = false;
    LoadSettings();
    ApplyLanguage();
    services_.midi.Open();
    SaveDialog.initialFolder = DefaultChordFolder(homeFolder);
    LastSaveFolder.clear();
    HandleSelection();
    ResetRememberedChords();
    window.caption = ProductName + " " + std::string{VersionText};
    UpdateInversionAvailability(true);
    BlankKeyMarkers();
    AboutInfo.title = AboutTitle(ProductName);
}

void MainWindow::ShowAbout() {
    AboutInfo.title = AboutTitle(ProductName);
    services_.dialogs.ShowAbout(window, AboutInfo);
}

}  // namespace vorlane
