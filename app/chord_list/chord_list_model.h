#pragma once

#include <QAbstractListModel>
#include <optional>
#include <span>
#include <vector>

#include "i18n/language_texts.h"
#include "progression/progression.h"
#include "theory/musical_key.h"

namespace vorlane {

// The remembered chords as Qt's views see them: one row per chord, its text made in the
// current language. The list itself is the main window's; every change goes through the edits
// below, which tell the views exactly what changed, so selection and scrolling survive.
class ChordListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    // What a drag carries: the rows dragged, for a move inside the list.
    static const QString kRowsMimeType;

    explicit ChordListModel(Progression& chords, QObject* parent = nullptr);

    const Progression& Chords() const { return chords_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override { return {kRowsMimeType}; }
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // Dropped rows are moved by the window, as one change that can be undone.
    bool dropMimeData(const QMimeData*, Qt::DropAction, int, int, const QModelIndex&) override {
        return false;
    }
    static std::vector<std::size_t> RowsIn(const QMimeData& mime);

    // The edits. Rows are rows of the list as it stands.
    void Insert(std::size_t row, std::span<const ChordValue> chords);
    void Erase(std::size_t row, std::size_t count);
    void Reorder(std::span<const std::size_t> order);
    // The chords at the rows, ascending, replaced by the chords in the same order.
    void Set(std::span<const std::size_t> rows, std::span<const ChordValue> chords);
    void Replace(std::vector<ChordValue> chords);

    // The key the numerals are written in: the one chosen, or else the first chord's root,
    // major, following the first chord.
    MusicalKey Key() const;
    const std::optional<MusicalKey>& ChosenKey() const { return chosenKey_; }
    void ChooseKey(std::optional<MusicalKey> key);

    void SetLanguage(Language language);
    // The row sounding now, shown apart; none when the list is not playing.
    void SetPlayingRow(std::optional<std::size_t> row);
    std::optional<std::size_t> PlayingRow() const { return playingRow_; }

  Q_SIGNALS:
    void KeyChanged();

  private:
    void AllRowsChanged();
    // Every numeral changes with the key; an edit can change the key it is read in.
    void FollowKey();

    Progression& chords_;
    std::optional<MusicalKey> chosenKey_;
    MusicalKey shownKey_;
    Language language_ = Language::Dutch;
    std::optional<std::size_t> playingRow_;
};

}  // namespace vorlane
