#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <span>
#include <vector>

#include "app/chord_list/chord_list_model.h"
#include "app/chord_list_link.h"
#include "app/list_player.h"
#include "app/main_window.h"
#include "i18n/chord_list_texts.h"
#include "progression/playback_choices.h"
#include "settings/chord_file_system.h"
#include "settings/settings_store.h"
#include "ui/dialogs.h"

namespace vorlane {

// What the chord list needs besides the main window: its output and event loop to play on,
// dialogs and the file system for its files, the home folder they start in, and the settings
// that keep how it was last played.
struct ChordListServices {
    MidiOut& midi;
    ui::EventLoop& eventLoop;
    ui::Dialogs& dialogs;
    ChordFileSystem& files;
    std::string homeFolder;
    SettingsStore& settings;
};

// Everything the chord list window does, without the window: the rows, every change as an
// undoable command on one history, and choosing a row in the main window. It lives as long
// as the main window, from before start-up, so the history holds every change of the list
// whether the window was ever opened or not.
class ChordListController : public QObject, public ChordListLink {
    Q_OBJECT

  public:
    ChordListController(MainWindow& form, ChordListServices services, QObject* parent = nullptr);
    ~ChordListController() override;

    ChordListModel& Model() { return model_; }
    QUndoStack& History() { return history_; }
    const Progression& Chords() const { return form_.rememberedChords; }
    Language CurrentLanguage() const { return language_; }
    const ChordListTexts& Texts() const { return ChordListTextsFor(language_); }

    // The main window's side.
    void Append(const ChordValue& chord) override;
    void StartAfresh() override;
    void Open() override;
    void Undo() override { history_.undo(); }
    void Redo() override { history_.redo(); }
    void MainWindowChoice() override { Stop(); }
    void LanguageApplied(Language language) override;

    // The user's side. Rows are rows of the list as it stands, in any order.
    // Shows the row's chord in the main window and sounds it, as a click there would.
    void Choose(std::size_t row);
    // Moves the rows together before the row `before` (the size: to the end).
    void MoveRows(std::span<const std::size_t> rows, std::size_t before);
    void StepRows(std::span<const std::size_t> rows, bool up);
    void RemoveRows(std::span<const std::size_t> rows);
    // Copies of the rows, in order, right after the last of them.
    void DuplicateRows(std::span<const std::size_t> rows);

    // The key the numerals are read in; choosing one is a change that can be undone.
    MusicalKey Key() const { return model_.Key(); }
    void ChooseKey(const MusicalKey& key);
    // Moves the rows by semitones, spelled in the list's key. No rows, or every row, moves the
    // whole list and its key with it.
    void Transpose(std::span<const std::size_t> rows, int semitones);
    // The whole list moved by the shorter way to the key on the tonic, in the list's mode, and
    // read in that key.
    void TransposeTo(KeyNumber tonic);

    // Hearing the list: each chord in the main window's sound mode and octave, shown there
    // (silently: it sounds here) with its row highlighted. A change of the list, or a choice
    // in the main window, stops it; a change of tempo, beats or voicing goes on from the chord
    // playing.
    void Play();
    void Stop();
    bool Playing() const { return player_.Playing(); }
    // As last chosen, in this session or an earlier one.
    int Tempo() const { return choices_.bpm; }
    int BeatsPerChord() const { return choices_.beatsPerChord; }
    bool Looping() const { return choices_.loop; }
    bool SmoothVoicing() const { return choices_.smoothVoicing; }
    void SetTempo(int bpm);
    void SetBeatsPerChord(int beats);
    void SetLooping(bool loop);
    void SetSmoothVoicing(bool smooth);
    PlaybackOptions Options() const;

    // Files. Open replaces the list with a saved one (a change that can be undone); a file
    // that is not a list changes nothing and is reported with its first bad line. Export writes
    // the list as a Standard MIDI File as it would play; a failed write is reported and leaves
    // an existing file as it was.
    void OpenFile();
    void ExportMidi();

    // Asked to show the window (the main window's button, Ctrl+L).
    std::function<void()> onOpen;
    // The main window's records changed outside its own handlers: its view should show them.
    std::function<void()> onMainWindowChanged;

  Q_SIGNALS:
    void LanguageChanged();
    void KeyChanged();
    void PlayingChanged(bool playing);
    void PlayingRowChanged(int row);

  private:
    void Push(QUndoCommand* command);
    void ListChanged();
    void PlayChord(std::size_t row, const Voicing& voicing);
    std::string StartFolder() const;
    void PlayOnFromHere();
    void KeepChoices(const PlaybackChoices& choices);

    MainWindow& form_;
    ChordListServices services_;
    ui::OpenDialog openDialog_;
    ui::SaveDialog exportDialog_;
    ChordListModel model_;
    QUndoStack history_;
    Language language_ = Language::Dutch;
    ListPlayer player_;
    PlaybackChoices choices_;
};

}  // namespace vorlane
