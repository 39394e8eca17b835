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
    // Whatever fired, the whole selection is read again and every output recomputed.
    state.chordType.reset();
    for (ChordType t = 0; t < kChordTypeCount; ++t) {
        if (VariationButtons[Index(t)]->checked) {
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
    for (ChordType t = 0; t < kChordTypeCount; ++t) {
        VariationButtons[Index(t)]->text = rootName + std::string{ChordTypeTable[Index(t)].suffix};
    }
}

void MainWindow::Refresh(KeyNumber root, Spelling spelling) {
    CompatibleLineLabel->text = BuildCompatibleLine(compatibleCaption, root, spelling);
    state.root = root;
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
    }
}

void MainWindow::ShowChord() {
    HideKeyMarkers();
    InversionSelector->enabled = false;
    const Inversion inversion = SelectedInversion();

    std::optional<ChordType> shown;
    for (ChordType t = 0; t < kChordTypeCount; ++t) {
        if (VariationButtons[Index(t)]->checked) {
            shown = t;
            break;
        }
    }
    if (shown) {
        UpdateInversionAvailability(ChordTypeTable[Index(*shown)].invertible);
        for (const PlacedTone& tone : PlaceChordTones(*shown, state.degreeKeys, inversion)) {
            ui::Control* marker = KeyMarkers[Index(*MarkerSlotOfDegree(tone.degree))];
            const MarkerPosition& at = KeyMarkerPositions[Index(tone.key)];
            marker->left = at.x;
            marker->top = at.y;
            marker->visible = true;
        }
    }
    if (NotesOnPianoCheck->checked) {
        NameKeyMarkers();
    } else {
        BlankKeyMarkers();
    }
    ChordLineLabel->text = BuildChordLine(chordCaption, shown, state.degreeKeys, state.spelling);
}

void MainWindow::HideKeyMarkers() {
    for (ui::Control* m : KeyMarkers) {
        m->visible = false;
    }
}

void MainWindow::NameKeyMarkers() {
    // Hidden markers are named too, by where they last stood; nobody sees them.
    for (ui::Control* m : KeyMarkers) {
        if (std::optional<KeyNumber> k = MarkerKey(*m)) {
            m->text = std::string{NoteName(*k, state.spelling)};
        }
    }
}

void MainWindow::BlankKeyMarkers() {
    for (ui::Control* m : KeyMarkers) {
        m->text.clear();
    }
}

std::optional<KeyNumber> MainWindow::MarkerKey(const ui::Control& marker) const {
    return KeyAtMarkerX(marker.left);
}

void MainWindow::ShowPlayMarker(int note) {
    if (SelectedInversion() != Inversion::RootPosition) {
        return;
    }
    const KeyNumber k = KeyOfNote(note, state.octaveHigher);
    if (k < kLowestKey || k > kHighestKey) {
        return;
    }
    const MarkerPosition& at = KeyMarkerPositions[Index(k)];
    PlayMarker->left = at.x;
    PlayMarker->top = at.y;
    PlayMarker->text =
        NotesOnPianoCheck->checked ? std::string{NoteName(k, state.spelling)} : std::string{};
    PlayMarker->visible = true;
    services_.eventLoop.RepaintChangesNow();
}

void MainWindow::HidePlayMarker() {
    PlayMarker->visible = false;
}

}  // namespace vorlane
