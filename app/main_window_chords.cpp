#include "app/main_window.h"
#include "settings/chord_folders.h"

namespace vorlane {

void MainWindow::ResetRememberedChords() {
    RememberedChords = ChordList::ForLanguage(LanguageFromButtons());
    RememberButton->enabled = true;
    SaveButton->enabled = false;
    RememberButton->visible = true;
    SaveButton->visible = true;
}

void MainWindow::RememberChord() {
    // One selection can be remembered once; the next selection enables the button again.
    RememberButton->enabled = false;
    SaveButton->enabled = true;
    RememberedChords.Append(ChordLineLabel->text);
}

void MainWindow::SaveChords() {
    ChordFileSystem& files = services_.files;
    if (!CreateFolderWithParents(files, DefaultChordFolder(homeFolder))) {
        SaveDialog.initialFolder = FallbackChordFolder(homeFolder);
    }
    if (!LastSaveFolder.empty()) {
        SaveDialog.initialFolder = LastSaveFolder;
        SaveDialog.fileName.clear();
    }
    SaveDialog.title = SaveDialogTitle;
    if (!services_.dialogs.RunSaveDialog(SaveDialog)) {
        return;
    }
    // The file is replaced only once it has been written completely, so a failed save leaves
    // an existing file as it was; the list stays for another try.
    if (!WriteChordFile(files, SaveDialog.fileName, RememberedChords)) {
        services_.dialogs.ShowError(window, window.caption, SaveErrorText);
        return;
    }
    LastSaveFolder = FolderPart(SaveDialog.fileName);
    ResetRememberedChords();
    RememberButton->enabled = true;
    SaveButton->enabled = false;
}

}  // namespace vorlane
