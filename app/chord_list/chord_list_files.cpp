// The chord list's files: a saved list opened, the list exported as a MIDI file.

#include "app/chord_list/chord_list_commands.h"
#include "app/chord_list/chord_list_controller.h"
#include "progression/midi_file.h"
#include "settings/chord_folders.h"
#include "settings/chord_list.h"

namespace vorlane {

namespace {

constexpr std::string_view kListFilter = "Piano Chords|*.txt";
constexpr std::string_view kMidiExtension = "mid";

std::string_view BaseName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

// Where the last save went, else the chord folder, else home; a dialog used before keeps its own.
std::string ChordListController::StartFolder() const {
    if (!form_.lastSaveFolder.empty()) {
        return form_.lastSaveFolder;
    }
    const std::string chords = DefaultChordFolder(services_.homeFolder);
    return services_.files.IsDirectory(chords) ? chords : FallbackChordFolder(services_.homeFolder);
}

void ChordListController::OpenFile() {
    ui::OpenDialog& dialog = openDialog_;
    dialog.filter = kListFilter;
    dialog.title = Texts().openDialogTitle;
    if (dialog.initialFolder.empty()) {
        dialog.initialFolder = StartFolder();
    }
    if (!services_.dialogs.RunOpenDialog(dialog)) {
        return;
    }
    dialog.initialFolder = FolderPart(dialog.fileName);
    const std::string_view name = BaseName(dialog.fileName);
    const std::optional<std::string> bytes = services_.files.ReadFile(dialog.fileName);
    if (!bytes) {
        services_.dialogs.ShowError(form_.window.caption,
                                    FillMessage(Texts().unreadableError, name));
        return;
    }
    ChordListReading reading = ReadChordList(*bytes);
    if (reading.badLine != 0) {
        services_.dialogs.ShowError(form_.window.caption,
                                    FillMessage(Texts().notAListError, name, reading.badLine));
        return;
    }
    Push(new chord_list::ReplaceCommand(model_, std::move(reading.chords), Texts().openEdit));
}

void ChordListController::ExportMidi() {
    if (Chords().Empty()) {
        return;
    }
    ui::SaveDialog& dialog = exportDialog_;
    dialog.filter = Texts().midiFilter;
    dialog.defaultExtension = kMidiExtension;
    dialog.title = Texts().exportDialogTitle;
    if (dialog.initialFolder.empty()) {
        dialog.initialFolder = StartFolder();
    }
    if (!services_.dialogs.RunSaveDialog(dialog)) {
        return;
    }
    // The file is written whole beside the old one and takes its place only when complete.
    if (!services_.files.ReplaceFile(dialog.fileName,
                                     StandardMidiFileBytes(Chords().Chords(), Options()))) {
        services_.dialogs.ShowError(form_.window.caption, Texts().exportErrorText);
        return;
    }
    dialog.initialFolder = FolderPart(dialog.fileName);
    dialog.fileName.clear();
}

}  // namespace vorlane
