#include "app/main_window.h"
#include "settings/chord_folders.h"

namespace vorlane {

void MainWindow::ResetRememberedChords() {
    if (chordList_ != nullptr) {
        chordList_->StartAfresh();
    } else {
        rememberedChords.Clear();
    }
    RememberButton->enabled = true;
    SaveButton->enabled = false;
    RememberButton->visible = true;
    SaveButton->visible = true;
}

void MainWindow::RememberChord() {
    // One selection can be remembered once; the next selection enables the button again.
    RememberButton->enabled = false;
    if (const std::optional<ChordValue> chord = CurrentChord()) {
        if (chordList_ != nullptr) {
            chordList_->Append(*chord);
        } else {
            rememberedChords.Append(*chord);
        }
    }
    ChordListChanged();
}

void MainWindow::ChordListChanged() {
    SaveButton->enabled = !rememberedChords.Empty();
}

void MainWindow::OpenChordList() {
    if (chordList_ != nullptr) {
        chordList_->Open();
    }
}

void MainWindow::SaveChords() {
    // The save dialog and any error box after it count as one: a close waits for both.
    const ModalDialog modal(*this);
    ChordFileSystem& files = services_.files;
    if (!CreateFolderWithParents(files, DefaultChordFolder(services_.homeFolder))) {
        saveDialog.initialFolder = FallbackChordFolder(services_.homeFolder);
    }
    if (!lastSaveFolder.empty()) {
        saveDialog.initialFolder = lastSaveFolder;
        saveDialog.fileName.clear();
    }
    saveDialog.title = saveDialogTitle;
    if (!services_.dialogs.RunSaveDialog(saveDialog)) {
        return;
    }
    // The file is replaced only once it has been written completely, so a failed save leaves
    // an existing file as it was; the list stays for another try.
    if (!WriteChordFile(files, saveDialog.fileName, rememberedChords.Chords(),
                        LanguageFromButtons())) {
        services_.dialogs.ShowError(window.caption, saveErrorText);
        return;
    }
    lastSaveFolder = FolderPart(saveDialog.fileName);
    ResetRememberedChords();
    RememberButton->enabled = true;
    SaveButton->enabled = false;
}

}  // namespace vorlane
