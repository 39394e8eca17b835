#include "app/chord_list/chord_list_model.h"

#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QMimeData>
#include <QPalette>
#include <QtGlobal>
#include <algorithm>
#include <set>
#include <utility>

#include "app/chord_list_rows.h"

namespace vorlane {

const QString ChordListModel::kRowsMimeType = QStringLiteral("application/x-vorlane-chord-rows");

ChordListModel::ChordListModel(Progression& chords, QObject* parent)
    : QAbstractListModel(parent), chords_(chords), shownKey_(Key()) {}

MusicalKey ChordListModel::Key() const {
    return chosenKey_.value_or(DefaultKey(chords_.Chords()));
}

void ChordListModel::ChooseKey(std::optional<MusicalKey> key) {
    chosenKey_ = key;
    FollowKey();
}

void ChordListModel::FollowKey() {
    if (Key() != shownKey_) {
        shownKey_ = Key();
        AllRowsChanged();
        Q_EMIT KeyChanged();
    }
}

int ChordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(chords_.Size());
}

QVariant ChordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const bool playing = playingRow_ == row;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole: {
            const std::string text = ChordRowText(chords_[row], shownKey_, language_);
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
        case Qt::FontRole:
            if (playing) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::BackgroundRole:
            return playing ? QVariant(QPalette().color(QPalette::Highlight).lighter(160))
                           : QVariant();
        default:
            return {};
    }
}

Qt::ItemFlags ChordListModel::flags(const QModelIndex& index) const {
    // Rows drop between rows, never onto one.
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

QMimeData* ChordListModel::mimeData(const QModelIndexList& indexes) const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const QModelIndex& index : indexes) {
        out << static_cast<quint32>(index.row());
    }
    auto* mime = new QMimeData;
    mime->setData(kRowsMimeType, bytes);
    return mime;
}

std::vector<std::size_t> ChordListModel::RowsIn(const QMimeData& mime) {
    QByteArray bytes = mime.data(kRowsMimeType);
    QDataStream in(&bytes, QIODevice::ReadOnly);
    std::set<std::size_t> rows;
    while (!in.atEnd()) {
        quint32 row = 0;
        in >> row;
        rows.insert(row);
    }
    return {rows.begin(), rows.end()};
}

void ChordListModel::Insert(std::size_t row, std::span<const ChordValue> chords) {
    if (chords.empty()) {
        return;
    }
    beginInsertRows({}, static_cast<int>(row), static_cast<int>(row + chords.size() - 1));
    chords_.Insert(row, chords);
    endInsertRows();
    FollowKey();
}

void ChordListModel::Erase(std::size_t row, std::size_t count) {
    if (count == 0) {
        return;
    }
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row + count - 1));
    chords_.Erase(row, count);
    endRemoveRows();
    FollowKey();
}

void ChordListModel::Reorder(std::span<const std::size_t> order) {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Selection and the current row follow their chords to where they now stand.
    const QModelIndexList before = persistentIndexList();
    const std::vector<std::size_t> inverse = InverseOrder(order);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after.append(this->index(static_cast<int>(inverse[static_cast<std::size_t>(index.row())])));
    }
    chords_.Reorder(order);
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    FollowKey();
}

void ChordListModel::Set(std::span<const std::size_t> rows, std::span<const ChordValue> chords) {
    if (rows.empty()) {
        return;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        chords_.Set(rows[i], chords[i]);
    }
    // One signal for the span they stand in, however many rows changed.
    Q_EMIT dataChanged(index(static_cast<int>(rows.front())), index(static_cast<int>(rows.back())),
                       {Qt::DisplayRole});
    FollowKey();
}

void ChordListModel::Replace(std::vector<ChordValue> chords) {
    beginResetModel();
    chords_ = Progression(std::move(chords));
    playingRow_.reset();
    const bool keyChanged = Key() != std::exchange(shownKey_, Key());
    endResetModel();
    if (keyChanged) {
        Q_EMIT KeyChanged();
    }
}

void ChordListModel::SetLanguage(Language language) {
    if (language != language_) {
        language_ = language;
        AllRowsChanged();
    }
}

void ChordListModel::SetPlayingRow(std::optional<std::size_t> row) {
    if (row && *row >= chords_.Size()) {
        row.reset();
    }
    const std::optional<std::size_t> before = std::exchange(playingRow_, row);
    for (const std::optional<std::size_t>& changed : {before, row}) {
        if (changed && *changed < chords_.Size()) {
            const QModelIndex at = index(static_cast<int>(*changed));
            Q_EMIT dataChanged(at, at, {Qt::FontRole, Qt::BackgroundRole});
        }
    }
}

void ChordListModel::AllRowsChanged() {
    if (!chords_.Empty()) {
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
    }
}

}  // namespace vorlane
