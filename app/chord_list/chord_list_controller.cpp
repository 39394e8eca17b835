#include "app/chord_list/chord_list_controller.h"

#include <algorithm>
#include <numeric>

#include "app/chord_list/chord_list_commands.h"

namespace vorlane {

using chord_list::EraseCommand;
using chord_list::InsertCommand;
using chord_list::ReorderCommand;
using chord_list::ReplaceCommand;
using chord_list::RewriteCommand;

namespace {

// The rows that exist, once each, ascending.
std::vector<std::size_t> ValidRows(std::span<const std::size_t> rows, std::size_t size) {
    std::vector<std::size_t> valid;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(valid),
                 [size](std::size_t row) { return row < size; });
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

bool IsIdentity(std::span<const std::size_t> order) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] != i) {
            return false;
        }
    }
    return true;
}

}  // namespace

ChordListController::ChordListController(MainWindow& form, ChordListServices services,
                                         QObject* parent)
    : QObject(parent),
      form_(form),
      services_(std::move(services)),
      model_(form.rememberedChords),
      player_(services_.midi, services_.eventLoop),
      choices_(ReadPlaybackChoices(services_.settings)) {
    form_.LinkChordList(this);
    player_.onChord = [this](std::size_t row, const Voicing& voicing) { PlayChord(row, voicing); };
    player_.onStop = [this] {
        model_.SetPlayingRow(std::nullopt);
        Q_EMIT PlayingChanged(false);
    };
    // Undo and redo change the list as much as an edit does.
    connect(&history_, &QUndoStack::indexChanged, this, [this] { ListChanged(); });
    connect(&model_, &ChordListModel::KeyChanged, this, &ChordListController::KeyChanged);
}

ChordListController::~ChordListController() {
    // The history clears itself as it goes; what it would tell may be gone already.
    disconnect(&history_, nullptr, this, nullptr);
    player_.onStop = nullptr;
    player_.Stop();
    form_.LinkChordList(nullptr);
}

void ChordListController::Push(QUndoCommand* command) {
    history_.push(command);
}

void ChordListController::ListChanged() {
    // What plays is the list as it was: a changed list stops it.
    Stop();
    form_.ChordListChanged();
    if (onMainWindowChanged) {
        onMainWindowChanged();
    }
}

void ChordListController::Append(const ChordValue& chord) {
    Push(new InsertCommand(model_, Chords().Size(), {chord}, Texts().rememberEdit));
}

void ChordListController::StartAfresh() {
    // An empty list stays as it is: nothing to bring back.
    if (!Chords().Empty()) {
        Push(new ReplaceCommand(model_, {}, Texts().startAfreshEdit));
    }
}

void ChordListController::Open() {
    if (onOpen) {
        onOpen();
    }
}

void ChordListController::LanguageApplied(Language language) {
    language_ = language;
    model_.SetLanguage(language);
    Q_EMIT LanguageChanged();
}

void ChordListController::Choose(std::size_t row) {
    if (row >= Chords().Size()) {
        return;
    }
    form_.SelectChord(Chords()[row], PlayPolicy::Sound);
    if (onMainWindowChanged) {
        onMainWindowChanged();
    }
}

void ChordListController::MoveRows(std::span<const std::size_t> rows, std::size_t before) {
    const std::size_t size = Chords().Size();
    const std::vector<std::size_t> valid = ValidRows(rows, size);
    std::vector<std::size_t> order = OrderAfterMove(size, valid, std::min(before, size));
    if (!valid.empty() && !IsIdentity(order)) {
        Push(new ReorderCommand(model_, std::move(order), Texts().moveEdit));
    }
}

void ChordListController::StepRows(std::span<const std::size_t> rows, bool up) {
    const std::size_t size = Chords().Size();
    std::vector<std::size_t> order = OrderAfterStep(size, ValidRows(rows, size), up);
    if (!IsIdentity(order)) {
        Push(new ReorderCommand(model_, std::move(order), Texts().moveEdit));
    }
}

void ChordListController::RemoveRows(std::span<const std::size_t> rows) {
    std::vector<std::size_t> valid = ValidRows(rows, Chords().Size());
    if (!valid.empty()) {
        Push(new EraseCommand(model_, std::move(valid), Texts().removeEdit));
    }
}

void ChordListController::DuplicateRows(std::span<const std::size_t> rows) {
    const std::vector<std::size_t> valid = ValidRows(rows, Chords().Size());
    if (valid.empty()) {
        return;
    }
    std::vector<ChordValue> copies;
    for (std::size_t row : valid) {
        copies.push_back(Chords()[row]);
    }
    Push(new InsertCommand(model_, valid.back() + 1, std::move(copies), Texts().duplicateEdit));
}

PlaybackOptions ChordListController::Options() const {
    return {choices_.bpm, choices_.beatsPerChord, form_.player.Mode(), form_.state.octaveHigher,
            choices_.smoothVoicing};
}

void ChordListController::Play() {
    if (Chords().Empty()) {
        return;
    }
    player_.Play(Chords().Chords(), Options(), choices_.loop);
    Q_EMIT PlayingChanged(player_.Playing());
}

void ChordListController::Stop() {
    player_.Stop();
}

void ChordListController::PlayChord(std::size_t row, const Voicing& voicing) {
    model_.SetPlayingRow(row);
    // Shown where it sounds; the list sounds it, the main window does not.
    form_.SelectChord(Chords()[row], PlayPolicy::Silent, voicing);
    Q_EMIT PlayingRowChanged(static_cast<int>(row));
    if (onMainWindowChanged) {
        onMainWindowChanged();
    }
}

void ChordListController::PlayOnFromHere() {
    if (player_.Playing()) {
        player_.Play(Chords().Chords(), Options(), choices_.loop, model_.PlayingRow().value_or(0));
        Q_EMIT PlayingChanged(player_.Playing());
    }
}

void ChordListController::SetTempo(int bpm) {
    PlaybackChoices choices = choices_;
    choices.bpm = std::clamp(bpm, kLowestTempo, kHighestTempo);
    KeepChoices(choices);
    PlayOnFromHere();
}

void ChordListController::SetBeatsPerChord(int beats) {
    PlaybackChoices choices = choices_;
    choices.beatsPerChord = std::clamp(beats, kFewestBeatsPerChord, kMostBeatsPerChord);
    KeepChoices(choices);
    PlayOnFromHere();
}

void ChordListController::SetLooping(bool loop) {
    PlaybackChoices choices = choices_;
    choices.loop = loop;
    KeepChoices(choices);
    player_.SetLoop(loop);
}

void ChordListController::SetSmoothVoicing(bool smooth) {
    PlaybackChoices choices = choices_;
    choices.smoothVoicing = smooth;
    KeepChoices(choices);
    PlayOnFromHere();
}

// Kept for next time as soon as chosen.
void ChordListController::KeepChoices(const PlaybackChoices& choices) {
    StorePlaybackChoices(services_.settings, choices, choices_);
    choices_ = choices;
}

void ChordListController::ChooseKey(const MusicalKey& key) {
    if (key != Key()) {
        Push(new RewriteCommand(model_, {}, {}, key, Texts().keyEdit));
    }
}

void ChordListController::Transpose(std::span<const std::size_t> rows, int semitones) {
    const std::size_t size = Chords().Size();
    std::vector<std::size_t> chosen = ValidRows(rows, size);
    const bool wholeList = chosen.empty() || chosen.size() == size;
    if (size == 0 || semitones % 12 == 0) {
        return;
    }
    // The whole list takes its key along; a few rows are spelled in the key they stay in.
    std::optional<MusicalKey> keyAfter = model_.ChosenKey();
    MusicalKey spelledIn = Key();
    if (wholeList) {
        chosen.resize(size);
        std::iota(chosen.begin(), chosen.end(), std::size_t{0});
        spelledIn = TransposedKey(Key(), semitones);
        if (keyAfter) {
            keyAfter = spelledIn;
        }
    }
    std::vector<ChordValue> after;
    after.reserve(chosen.size());
    for (std::size_t row : chosen) {
        after.push_back(Transposed(Chords()[row], semitones, spelledIn));
    }
    Push(new RewriteCommand(model_, std::move(chosen), std::move(after), keyAfter,
                            Texts().transposeEdit));
}

void ChordListController::TransposeTo(KeyNumber tonic) {
    const MusicalKey key{tonic, Key().minor};
    const std::size_t size = Chords().Size();
    if (size == 0) {
        ChooseKey(key);
        return;
    }
    // The shorter way: at most a tritone either way.
    int semitones = ((key.tonic - Key().tonic) % 12 + 12) % 12;
    if (semitones > 6) {
        semitones -= 12;
    }
    std::vector<std::size_t> rows(size);
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::vector<ChordValue> after;
    after.reserve(size);
    for (const ChordValue& chord : Chords().Chords()) {
        after.push_back(Transposed(chord, semitones, key));
    }
    Push(new RewriteCommand(model_, std::move(rows), std::move(after), key, Texts().transposeEdit));
}

}  // namespace vorlane
