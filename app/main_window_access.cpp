#include "app/main_window.h"

namespace vorlane {

namespace {

constexpr int kMarkerSize = 16;
constexpr int kLowestOctave = 3;  // the lowest key of the picture is C3

}  // namespace

void MainWindow::SetUpAccess() {
    std::vector<ui::Control*>& order = window.focusOrder;
    order.assign(FlatRootButtons.begin(), FlatRootButtons.end());
    order.insert(order.end(), SharpRootButtons.begin(), SharpRootButtons.end());
    // Chord types by type: the left column from the top, then the right one.
    order.insert(order.end(), VariationButtons.begin(), VariationButtons.end());
    order.insert(order.end(), {InversionSelector, NotesOnPianoCheck, EnglishButton, FrenchButton,
                               DutchButton, InfoButton, PracticeButton, ChordListButton, SaveButton,
                               RememberButton, NoSoundButton, HammondButton, PianoArpeggioButton,
                               GuitarArpeggioButton, OctaveHigherCheck});

    // Save and Info ignore their keys while their buttons are disabled, as a click would.
    window.shortcuts = {
        {"Ctrl+C", [this] { window.Copy(ChordLineLabel->text); }},
        {"Ctrl+S", [this] { window.Click(*SaveButton); }},
        {"F1", [this] { window.Click(*InfoButton); }},
        {"Ctrl+Q", [this] { window.RequestClose(); }},
        {"Ctrl+L", [this] { window.Click(*ChordListButton); }},
        // The list's history is one, whichever window the keys are pressed in.
        {"Ctrl+Z",
         [this] {
             if (chordList_ != nullptr) {
                 chordList_->Undo();
             }
         }},
        {"Ctrl+Shift+Z",
         [this] {
             if (chordList_ != nullptr) {
                 chordList_->Redo();
             }
         }},
        {"Ctrl+P", [this] { window.Click(*PracticeButton); }},
    };
    for (ui::Control* line : {ScaleLineLabel, CompatibleLineLabel, ChordLineLabel}) {
        line->contextMenu = {{"", [this, line] { window.Copy(line->text); }}};
    }
    ChordLineLabel->announceChanges = true;
    KeyboardPicture->accessibleItems = [this] { return KeyboardKeys(); };
    ApplyAccessTexts(TextsFor(Language::Dutch));  // the language the window is built in
}

void MainWindow::ApplyAccessTexts(const LanguageTexts& texts) {
    KeyboardPicture->accessibleName = texts.keyboardName;
    LogoPicture->accessibleName = texts.productName;
    for (ui::Control* line : {ScaleLineLabel, CompatibleLineLabel, ChordLineLabel}) {
        line->contextMenu.front().text = texts.copyItem;
    }
}

std::vector<ui::AccessibleItem> MainWindow::KeyboardKeys() const {
    std::vector<ui::AccessibleItem> keys;
    keys.reserve(kHighestKey);
    for (KeyNumber k = kLowestKey; k <= kHighestKey; ++k) {
        const MarkerPosition& at = KeyMarkerPositions[static_cast<std::size_t>(k)];
        ui::AccessibleItem key;
        key.name = std::string{NoteName(k, state.spelling)} +
                   std::to_string(kLowestOctave + (k - kLowestKey) / 12);
        key.left = at.x;
        key.top = at.y;
        key.width = kMarkerSize;
        key.height = kMarkerSize;
        keys.push_back(std::move(key));
    }
    // The chord's keys as placed, the same record the markers and the sound come from.
    auto at = [&keys](KeyNumber k) -> ui::AccessibleItem& {
        return keys[static_cast<std::size_t>(k - kLowestKey)];
    };
    for (const ShownTone& tone : state.tones) {
        at(tone.key).selected = true;
    }
    if (playMarkerKey) {
        at(*playMarkerKey).current = true;
    }
    return keys;
}

}  // namespace vorlane
