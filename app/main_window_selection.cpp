#include "app/main_window.h"

#include <algorithm>
#include <utility>

namespace vorlane {

namespace {

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

Inversion MainWindow::SelectedInversion() const {
    switch (InversionSelector->selectedItem) {
        case 1:
            return Inversion::FirstInversion;
        case 2:
            return Inversion::SecondInversion;
        default:
            return Inversion::RootPosition;
    }
}

void MainWindow::HandleSelection() {
    TellChordListOfChoice();
    SelectFromControls(PlayPolicy::Sound);
}

void MainWindow::TellChordListOfChoice() {
    if (chordList_ != nullptr && !startingUp_) {
        chordList_->MainWindowChoice();
    }
}

void MainWindow::SelectFromControls(PlayPolicy play) {
    // Whatever fired, the whole selection is read from the controls; a full chord then goes
    // the one way every chord goes.
    std::optional<ChordType> type;
    for (ChordType t : AllChordTypes) {
        if (VariationButton(t)->checked) {
            type = t;
            break;
        }
    }
    std::optional<std::pair<KeyNumber, Spelling>> root;
    for (Spelling spelling : {Spelling::Flat, Spelling::Sharp}) {
        const auto& column = spelling == Spelling::Sharp ? SharpRootButtons : FlatRootButtons;
        for (int p = 0; p < kRootButtonCount && !root; ++p) {
            if (column[Index(p)]->checked) {
                root.emplace(p + 1, spelling);
            }
        }
        if (root) {
            break;
        }
    }
    if (root && type) {
        SelectChord({root->first, root->second, *type, SelectedInversion()}, play);
        return;
    }
    // Only while the window is built: a root without a type shows the root alone.
    state.chordType = type;
    state.inversion = SelectedInversion();
    state.showNoteNames = NotesOnPianoCheck->checked;
    voicing_.clear();
    if (root) {
        RelabelVariations(std::string{NoteName(root->first, root->second)});
        Refresh(root->first, root->second, play);
    }
    RememberButton->enabled = true;
}

void MainWindow::SelectChord(const ChordValue& chord, PlayPolicy play,
                             std::span<const PlacedTone> voicing) {
    // The window underneath an open dialog stays as the dialog found it.
    if (player.Playing() || openDialogs > 0) {
        deferredChord_ = DeferredChord{chord, play, {voicing.begin(), voicing.end()}};
        return;
    }
    // Only a voicing that stays on the keyboard can be shown.
    const bool onKeyboard = std::all_of(voicing.begin(), voicing.end(), [](const PlacedTone& t) {
        return t.key >= kLowestKey && t.key <= kHighestKey && MarkerSlotOfDegree(t.degree);
    });
    voicing_.assign(voicing.begin(), onKeyboard ? voicing.end() : voicing.begin());
    const auto& column = chord.spelling == Spelling::Sharp ? SharpRootButtons : FlatRootButtons;
    window.SetChecked(*column[Index(chord.root - 1)], true);
    window.SetChecked(*VariationButton(chord.type), true);
    // An arpeggio mode holds the selector at root position.
    if (!IsArpeggio(player.Mode())) {
        InversionSelector->selectedItem = static_cast<int>(chord.inversion);
    }
    state.chordType = chord.type;
    state.inversion = IsArpeggio(player.Mode()) ? Inversion::RootPosition : chord.inversion;
    state.showNoteNames = NotesOnPianoCheck->checked;
    RelabelVariations(std::string{NoteName(chord.root, chord.spelling)});
    Refresh(chord.root, chord.spelling, play);
    RememberButton->enabled = true;
}

std::optional<ChordValue> MainWindow::CurrentChord() const {
    const KeyNumber root = state.degreeKeys[1];
    if (root < kLowestKey || !state.chordType) {
        return std::nullopt;
    }
    return ChordValue{root, state.spelling, *state.chordType, state.inversion};
}

void MainWindow::SelectDeferredChord() {
    if (closeRequested) {
        return;
    }
    if (auto deferred = std::exchange(deferredChord_, std::nullopt)) {
        SelectChord(deferred->chord, deferred->play, deferred->voicing);
    }
}

void MainWindow::RelabelVariations(const std::string& rootName) {
    for (ChordType t : AllChordTypes) {
        VariationButton(t)->text = rootName + std::string{RowOf(t).suffix};
    }
}

void MainWindow::Refresh(KeyNumber root, Spelling spelling, PlayPolicy play) {
    CompatibleLineLabel->text = BuildCompatibleLine(compatibleCaption, root, spelling);
    state.spelling = spelling;
    state.degreeKeys = ComputeDegreeKeys(root);
    ScaleLineLabel->text = BuildScaleLine(scaleCaption, root, spelling);
    ScaleLineLabel->textColour = ui::Rgb{0, 0, 0};
    ShowChord();

    if (play == PlayPolicy::Silent) {
        return;
    }
    // Paint the new chord before it sounds.
    services_.eventLoop.RepaintChangesNow();
    PlayCurrentChord();
}

void MainWindow::UpdateInversionAvailability(bool allow) {
    const bool arpeggio = PianoArpeggioButton->checked || GuitarArpeggioButton->checked;
    if (allow && !arpeggio) {
        InversionLabel->visible = true;
        InversionSelector->visible = true;
        InversionSelector->enabled = true;
        return;
    }
    InversionLabel->visible = false;
    InversionSelector->visible = false;
    InversionSelector->enabled = false;
    // Arpeggios always play in root position.
    if (arpeggio) {
        InversionSelector->selectedItem = 0;
        state.inversion = Inversion::RootPosition;
    }
}

void MainWindow::ShowChord() {
    HideKeyMarkers();
    BlankKeyMarkers();
    InversionSelector->enabled = false;
    // Placed with the inversion as selected, even when an arpeggio puts the selector back.
    const Inversion inversion = state.inversion;
    state.tones.clear();
    if (state.chordType) {
        UpdateInversionAvailability(RowOf(*state.chordType).invertible);
        // What the keyboard shows is what sounds: the markers, their names, the organ's chord,
        // the arpeggio and the play marker all come from this one list.
        const std::vector<PlacedTone> placed =
            voicing_.empty() ? PlaceChordTones(*state.chordType, state.degreeKeys, inversion)
                             : voicing_;
        for (const PlacedTone& tone : placed) {
            state.tones.push_back({*MarkerSlotOfDegree(tone.degree), tone.key,
                                   std::string{NoteName(tone.key, state.spelling)}});
        }
    }
    for (const ShownTone& tone : state.tones) {
        ui::Control* marker = KeyMarkers[Index(tone.slot)];
        const MarkerPosition& at = KeyMarkerPositions[Index(tone.key)];
        marker->left = at.x;
        marker->top = at.y;
        marker->visible = true;
        if (state.showNoteNames) {
            marker->text = tone.name;
        }
    }
    ChordLineLabel->text =
        BuildChordLine(chordCaption, state.chordType, state.degreeKeys, state.spelling);
}

void MainWindow::HideKeyMarkers() {
    for (ui::Control* m : KeyMarkers) {
        m->visible = false;
    }
}

void MainWindow::BlankKeyMarkers() {
    for (ui::Control* m : KeyMarkers) {
        m->text.clear();
    }
}

std::optional<KeyNumber> MainWindow::MarkerKey(const ui::Control& marker) const {
    if (&marker == PlayMarker) {
        return playMarkerKey;
    }
    for (const ShownTone& tone : state.tones) {
        if (KeyMarkers[Index(tone.slot)] == &marker) {
            return tone.key;
        }
    }
    return std::nullopt;
}

void MainWindow::ShowPlayMarker(const ShownTone& tone) {
    if (state.inversion != Inversion::RootPosition) {
        return;
    }
    const MarkerPosition& at = KeyMarkerPositions[Index(tone.key)];
    PlayMarker->left = at.x;
    PlayMarker->top = at.y;
    PlayMarker->text = state.showNoteNames ? tone.name : std::string{};
    PlayMarker->visible = true;
    playMarkerKey = tone.key;
    services_.eventLoop.RepaintChangesNow();
}

void MainWindow::HidePlayMarker() {
    PlayMarker->visible = false;
    playMarkerKey.reset();
}

}  // namespace vorlane
