#include "app/main_window.h"
#include "i18n/chord_list_texts.h"
#include "i18n/practice_texts.h"
#include "settings/settings_rules.h"

namespace vorlane {

// With no button checked the window is in Dutch, the language it is built in.
Language MainWindow::LanguageFromButtons() const {
    for (const LanguageRow& row : Languages) {
        if (window.Find(row.button)->checked) {
            return row.language;
        }
    }
    return Language::Dutch;
}

ui::Control* MainWindow::LanguageButton(Language language) const {
    return window.Find(LanguageInfo(language).button);
}

ui::Control* MainWindow::SoundModeButton(SoundMode mode) const {
    return window.Find(SoundModeInfo(mode).button);
}

void MainWindow::ApplyLanguage() {
    state.language = LanguageFromButtons();
    const LanguageTexts& t = TextsFor(state.language);
    auto set = [](ui::Control* c, std::string_view text) { c->text = std::string{text}; };

    productName = t.productName;
    aboutInfo.description = t.aboutText;
    scaleCaption = t.scaleCaption;
    compatibleCaption = t.compatibleCaption;
    set(ScaleGroup, t.scaleGroupCaption);
    set(FlatHeader, t.flatHeader);
    set(SharpHeader, t.sharpHeader);
    set(VariationGroup, t.variationGroupCaption);
    chordCaption = t.chordCaption;
    LogoPicture->imageIndex = LanguageInfo(state.language).logoFrame;
    set(LanguageGroup, t.languageGroupCaption);
    set(EnglishButton, t.englishButton);
    set(FrenchButton, t.frenchButton);
    set(DutchButton, t.dutchButton);
    set(NotesOnPianoCheck, t.notesOnPianoCheck);
    set(InversionLabel, t.inversionLabel);
    // A fresh item list selects its first item: a language change returns to root position.
    ui::Window::SetItems(*InversionSelector,
                         {std::string{t.inversionItems[0]}, std::string{t.inversionItems[1]},
                          std::string{t.inversionItems[2]}});
    set(RememberButton, t.rememberButton);
    set(SaveButton, t.saveButton);
    saveDialogTitle = t.saveDialogTitle;
    saveErrorText = t.saveErrorText;
    set(SoundGroup, t.soundGroupCaption);
    set(NoSoundButton, t.noSoundButton);
    set(HammondButton, t.hammondButton);
    set(PianoArpeggioButton, t.pianoArpeggioButton);
    set(GuitarArpeggioButton, t.guitarArpeggioButton);
    set(OctaveHigherCheck, t.octaveHigherCheck);
    const ChordListTexts& list = ChordListTextsFor(state.language);
    set(ChordListButton, list.windowTitle);
    ChordListButton->hint = list.buttonHint;
    set(PracticeButton, PracticeTextsFor(state.language).title);
    ApplyAccessTexts(t);
    ShowMidiNotice();
    window.caption = productName + " " + std::string{VersionText};
    if (chordList_ != nullptr) {
        chordList_->LanguageApplied(state.language);
    }
    if (onLanguageApplied) {
        onLanguageApplied(state.language);
    }
}

void MainWindow::ChangeLanguage() {
    ApplyLanguage();
    StoreLanguage(services_.settings, state.language);
    HandleSelection();
    ResetRememberedChords();
}

void MainWindow::LoadSettings() {
    for (ui::Control* b : {EnglishButton, FrenchButton, DutchButton, NoSoundButton,
                           GuitarArpeggioButton, HammondButton, PianoArpeggioButton}) {
        b->checked = false;
    }
    const StoredSettings stored = ReadSettings(services_.settings);
    window.SetChecked(*LanguageButton(stored.language), true);
    window.SetChecked(*SoundModeButton(stored.soundMode), true);
    OctaveHigherCheck->checked = stored.octaveHigher;
    state.language = stored.language;
    state.octaveHigher = stored.octaveHigher;
    // As if the restored sound button had been clicked; it stores the mode once more.
    ApplySoundMode();
    RestoreOutput(stored.output);
}

}  // namespace vorlane
