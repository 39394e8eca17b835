#include "app/chord_list/chord_list_commands.h"

#include <algorithm>

namespace vorlane::chord_list {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

InsertCommand::InsertCommand(ChordListModel& model, std::size_t row, std::vector<ChordValue> chords,
                             std::string_view text)
    : QUndoCommand(ToQString(text)), model_(model), row_(row), chords_(std::move(chords)) {}

void InsertCommand::redo() {
    model_.Insert(row_, chords_);
}

void InsertCommand::undo() {
    model_.Erase(row_, chords_.size());
}

EraseCommand::EraseCommand(ChordListModel& model, std::vector<std::size_t> rows,
                           std::string_view text)
    : QUndoCommand(ToQString(text)), model_(model), rows_(std::move(rows)) {
    std::sort(rows_.begin(), rows_.end());
    rows_.erase(std::unique(rows_.begin(), rows_.end()), rows_.end());
    for (std::size_t row : rows_) {
        chords_.push_back(model_.Chords()[row]);
    }
}

void EraseCommand::redo() {
    // From the bottom up, so the rows still to go keep their numbers; neighbours go together.
    for (std::size_t end = rows_.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows_[begin - 1] + 1 == rows_[begin]) {
            --begin;
        }
        model_.Erase(rows_[begin], end - begin);
        end = begin;
    }
}

void EraseCommand::undo() {
    for (std::size_t begin = 0; begin < rows_.size();) {
        std::size_t end = begin + 1;
        while (end < rows_.size() && rows_[end - 1] + 1 == rows_[end]) {
            ++end;
        }
        model_.Insert(rows_[begin], std::span(chords_).subspan(begin, end - begin));
        begin = end;
    }
}

ReorderCommand::ReorderCommand(ChordListModel& model, std::vector<std::size_t> order,
                               std::string_view text)
    : QUndoCommand(ToQString(text)), model_(model), order_(std::move(order)) {}

void ReorderCommand::redo() {
    model_.Reorder(order_);
}

void ReorderCommand::undo() {
    model_.Reorder(InverseOrder(order_));
}

ReplaceCommand::ReplaceCommand(ChordListModel& model, std::vector<ChordValue> after,
                               std::string_view text)
    : QUndoCommand(ToQString(text)),
      model_(model),
      before_(model.Chords().Chords().begin(), model.Chords().Chords().end()),
      after_(std::move(after)) {}

void ReplaceCommand::redo() {
    model_.Replace(after_);
}

void ReplaceCommand::undo() {
    model_.Replace(before_);
}

RewriteCommand::RewriteCommand(ChordListModel& model, std::vector<std::size_t> rows,
                               std::vector<ChordValue> after, std::optional<MusicalKey> keyAfter,
                               std::string_view text)
    : QUndoCommand(ToQString(text)),
      model_(model),
      rows_(std::move(rows)),
      after_(std::move(after)),
      keyBefore_(model.ChosenKey()),
      keyAfter_(keyAfter) {
    for (std::size_t row : rows_) {
        before_.push_back(model_.Chords()[row]);
    }
}

void RewriteCommand::redo() {
    model_.Set(rows_, after_);
    model_.ChooseKey(keyAfter_);
}

void RewriteCommand::undo() {
    model_.Set(rows_, before_);
    model_.ChooseKey(keyBefore_);
}

}  // namespace vorlane::chord_list
