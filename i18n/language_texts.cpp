#include "i18n/language_texts.h"

namespace vorlane {

// One column per language, in the order the window applies them. The source is UTF-8, so every
// literal below is the text's UTF-8 bytes.
constinit const LanguageTexts EnglishTexts{
    .productName = "Vorlane",
    .aboutText = "Creating chords and show them on the piano keyboard!",
    .scaleCaption = "Musical scale",
    .compatibleCaption = "Compatible chords (Circle of Fifths)",
    .scaleGroupCaption = "Musical scale",
    .flatHeader = "Flat",
    .sharpHeader = "Sharp",
    .variationGroupCaption = "Variations",
    .chordCaption = "Chord ",
    .languageGroupCaption = "Language",
    .englishButton = "English",
    .frenchButton = "French",
    .dutchButton = "Dutch",
    .notesOnPianoCheck = "Notes on Piano",
    .inversionLabel = "Position",
    .inversionItems = {"Ground position", "1st reversal", "2nd reversal"},
    .rememberButton = "Remember Chord",
    .saveButton = "Save Chords",
    .saveDialogTitle = "Save Selected Chords",
    .saveErrorText = "The selected Chords could not be saved. Please choose another file!",
    .soundGroupCaption = "Midi Sounds",
    .noSoundButton = "No Sound",
    .hammondButton = "Hammond Organ",
    .pianoArpeggioButton = "Piano Arpeggio",
    .guitarArpeggioButton = "Guitar Arpeggio",
    .octaveHigherCheck = "1 Octave Higher",
    .chordListHeader = "Selected Chords",
    .keyboardName = "Keyboard",
    .copyItem = "Copy",
    .soundOutputMenu = "Sound output",
    .builtInSynthItem = "Built-in synth",
    .midiInputMenu = "MIDI input",
};

constinit const LanguageTexts FrenchTexts{
    .productName = "Vorlane",
    .aboutText = "Créer des accords et les afficher sur le clavier du piano!",
    .scaleCaption = "Echelle musicale",
    .compatibleCaption = "Accords compatibles (cercle des cinquièmes)",
    .scaleGroupCaption = "Echelle musicale",
    .flatHeader = "Bémol",
    .sharpHeader = "Aigus",
    .variationGroupCaption = "Variations",
    .chordCaption = "Accord ",
    .languageGroupCaption = "Langue",
    .englishButton = "Anglais",
    .frenchButton = "Français",
    .dutchButton = "Néerlandais",
    .notesOnPianoCheck = "Notes sur le Piano",
    .inversionLabel = "Position",
    .inversionItems = {"Position sol", "1er renversement", "2ème renversement"},
    .rememberButton = "Mémoriser Accord",
    .saveButton = "Sauvegarder Accords",
    .saveDialogTitle = "Sauvegarder les accords sélectionnés",
    // Ends in a double quote and a full stop, unlike the other two languages.
    .saveErrorText =
        "Les accords sélectionnés n'ont pas pu être enregistrés. Veuillez choisir un "
        "autre fichier\".",
    .soundGroupCaption = "Sons Midi",
    .noSoundButton = "Pas de Son",
    .hammondButton = "Orgue Hammond",
    .pianoArpeggioButton = "Arpège de Piano",
    .guitarArpeggioButton = "Arpège de Guitare",
    .octaveHigherCheck = "1 Octave plus haut",
    .chordListHeader = "Accords sélectionnés",
    .keyboardName = "Clavier",
    .copyItem = "Copier",
    .soundOutputMenu = "Sortie du son",
    .builtInSynthItem = "Synthé intégré",
    .midiInputMenu = "Entrée MIDI",
};

constinit const LanguageTexts DutchTexts{
    .productName = "Vorlane",
    .aboutText = "Vorlane en ze op het pianoklavier laten zien!",
    .scaleCaption = "Toonladder",
    .compatibleCaption = "Compatibele akkoorden (kwintencirkel)",
    .scaleGroupCaption = "Toonladder",
    .flatHeader = "Bes",
    .sharpHeader = "Kruis",
    .variationGroupCaption = "Variaties",
    .chordCaption = "Akkoord ",
    .languageGroupCaption = "Taal",
    .englishButton = "Engels",
    .frenchButton = "Frans",
    .dutchButton = "Nederlands",
    .notesOnPianoCheck = "Noten op Piano",
    .inversionLabel = "Ligging",  // no colon, unlike the caption the window is built with
    .inversionItems = {"Grondligging", "1ste omkering", "2de omkering"},
    .rememberButton = "Onthoud Akkoord",
    .saveButton = "Bewaar Akkoorden",
    .saveDialogTitle = "Bewaar geselecteerde Akkoorden",
    .saveErrorText =
        "De geselecteerde Akkoorden konden niet bewaard worden. Kies een ander bestand!",
    .soundGroupCaption = "Midi Geluiden",
    .noSoundButton = "Geen Geluid",
    .hammondButton = "Hammond Orgel",
    .pianoArpeggioButton = "Piano Arpeggio",
    .guitarArpeggioButton = "Guitar Arpeggio",
    .octaveHigherCheck = "1 Octaaf Hoger",
    .chordListHeader = "Geselecteerde Akkoorden",
    .keyboardName = "Klavier",
    .copyItem = "Kopiëren",
    .soundOutputMenu = "Geluidsuitvoer",
    .builtInSynthItem = "Ingebouwde synth",
    .midiInputMenu = "MIDI-invoer",
};

const LanguageTexts& TextsFor(Language language) {
    return *LanguageInfo(language).texts;
}

}  // namespace vorlane
