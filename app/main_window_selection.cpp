#include "app/main_window.h"

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
    // Whatever fired, the whole selection is read again and every output recomputed from it.
    state.chordType.reset();
    for (ChordType t : AllChordTypes) {
        if (VariationButton(t)->checked) {
            state.chordType = t;
            break;
        }
    }
    state.inversion = SelectedInversion();
    state.showNoteNames = NotesOnPianoCheck->checked;

    auto refreshFor = [this](const std::array<ui::Control*, kRootButtonCount>& buttons,
                             Spelling spelling) {
        for (int p = 0; p < kRootButtonCount; ++p) {
            const ui::Control* b = buttons[Index(p)];
            if (b->checked) {
                RelabelVariations(b->text);
                Refresh(p + 1, spelling);
                return true;
            }
        }
        return false;
    };
    if (!refreshFor(FlatRootButtons, Spelling::Flat)) {
        refreshFor(SharpRootButtons, Spelling::Sharp);
    }
    RememberButton->enabled = true;
}

void MainWindow::RelabelVariations(const std::string& rootName) {
    for (ChordType t : AllChordTypes) {
        VariationButton(t)->text = rootName + std::string{RowOf(t).suffix};
    }
}

void MainWindow::Refresh(KeyNumber root, Spelling spelling) {
    CompatibleLineLabel->text = BuildCompatibleLine(compatibleCaption, root, spelling);
    state.spelling = spelling;
    state.degreeKeys = ComputeDegreeKeys(root);
    ScaleLineLabel->text = BuildScaleLine(scaleCaption, root, spelling);
    ScaleLineLabel->textColour = ui::Rgb{0, 0, 0};
    ShowChord();

    if (state.suppressNextPlay) {
        state.suppressNextPlay = false;
        return;
    }
    // Paint the new chord before it sounds.
    services_.eventLoop.RepaintChangesNow();
    PlayCurrentChord();
    state.suppressNextPlay = false;
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
        for (const PlacedTone& tone :
             PlaceChordTones(*state.chordType, state.degreeKeys, inversion)) {
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
