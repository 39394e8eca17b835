#pragma once

#include <QUndoCommand>
#include <string_view>
#include <vector>

#include "app/chord_list/chord_list_model.h"

// The changes of the chord list as undoable commands. Each one keeps what it needs to put
// the list back exactly and tells the model only what it changes.
namespace vorlane::chord_list {

QString ToQString(std::string_view text);

// Chords put in at a row (Remember, duplicate).
class InsertCommand : public QUndoCommand {
  public:
    InsertCommand(ChordListModel& model, std::size_t row, std::vector<ChordValue> chords,
                  std::string_view text);
    void redo() override;
    void undo() override;

  private:
    ChordListModel& model_;
    std::size_t row_;
    std::vector<ChordValue> chords_;
};

// Rows taken out, wherever they stand.
class EraseCommand : public QUndoCommand {
  public:
    EraseCommand(ChordListModel& model, std::vector<std::size_t> rows, std::string_view text);
    void redo() override;
    void undo() override;

  private:
    ChordListModel& model_;
    std::vector<std::size_t> rows_;  // ascending
    std::vector<ChordValue> chords_;
};

// The rows in a new order (drag and drop, one place up or down).
class ReorderCommand : public QUndoCommand {
  public:
    ReorderCommand(ChordListModel& model, std::vector<std::size_t> order, std::string_view text);
    void redo() override;
    void undo() override;

  private:
    ChordListModel& model_;
    std::vector<std::size_t> order_;
};

// The whole list replaced: started afresh, or read from a file.
class ReplaceCommand : public QUndoCommand {
  public:
    ReplaceCommand(ChordListModel& model, std::vector<ChordValue> after, std::string_view text);
    void redo() override;
    void undo() override;

  private:
    ChordListModel& model_;
    std::vector<ChordValue> before_;
    std::vector<ChordValue> after_;
};

// Chords rewritten in place, and the key chosen with them (transposing; choosing a key alone
// rewrites no chord).
class RewriteCommand : public QUndoCommand {
  public:
    RewriteCommand(ChordListModel& model, std::vector<std::size_t> rows,
                   std::vector<ChordValue> after, std::optional<MusicalKey> keyAfter,
                   std::string_view text);
    void redo() override;
    void undo() override;

  private:
    ChordListModel& model_;
    std::vector<std::size_t> rows_;  // ascending
    std::vector<ChordValue> before_;
    std::vector<ChordValue> after_;
    std::optional<MusicalKey> keyBefore_;
    std::optional<MusicalKey> keyAfter_;
};

}  // namespace vorlane::chord_list
