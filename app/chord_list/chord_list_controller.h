#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <span>
#include <vector>

#include "app/chord_list/chord_list_model.h"
#include "app/chord_list_link.h"
#include "app/main_window.h"
#include "i18n/chord_list_texts.h"

namespace vorlane {

// Everything the chord list window does, without the window: the rows, every change as an
// undoable command on one history, and choosing a row in the main window. It lives as long
// as the main window, from before start-up, so the history holds every change of the list
// whether the window was ever opened or not.
class ChordListController : public QObject, public ChordListLink {
    Q_OBJECT

  public:
    explicit ChordListController(MainWindow& form, QObject* parent = nullptr);
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
    void MainWindowChoice() override {}
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

    // Asked to show the window (the main window's button, Ctrl+L).
    std::function<void()> onOpen;
    // The main window's records changed outside its own handlers: its view should show them.
    std::function<void()> onMainWindowChanged;

  Q_SIGNALS:
    void LanguageChanged();
    void KeyChanged();

  private:
    void Push(QUndoCommand* command);
    void ListChanged();

    MainWindow& form_;
    ChordListModel model_;
    QUndoStack history_;
    Language language_ = Language::Dutch;
};

}  // namespace vorlane
