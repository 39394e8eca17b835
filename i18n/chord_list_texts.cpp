#include "i18n/chord_list_texts.h"

#include <array>

namespace vorlane {

namespace {

constinit const ChordListTexts EnglishListTexts{
    .windowTitle = "Chord List",
    .buttonHint = "Click this button to see, edit and play the remembered chords.",
    .listName = "Remembered chords",
    .keyLabel = "Key",
    .majorItem = "major",
    .minorItem = "minor",
    .transposeLabel = "Transpose",
    .transposeDown = "Down a semitone",
    .transposeUp = "Up a semitone",
    .transposeTo = "To key",
    .play = "Play",
    .stop = "Stop",
    .tempo = "Tempo",
    .bpmSuffix = " BPM",
    .beatsPerChord = "Beats per chord",
    .loop = "Loop",
    .smoothVoicing = "Smooth voicing",
    .moveUp = "Move up",
    .moveDown = "Move down",
    .duplicate = "Duplicate",
    .remove = "Remove",
    .undo = "Undo",
    .redo = "Redo",
    .open = "Open…",
    .exportMidi = "Export MIDI…",
    .openDialogTitle = "Open Chord List",
    .exportDialogTitle = "Export as MIDI File",
    .midiFilter = "MIDI Files|*.mid",
    .notAListError =
        "\"{file}\" is not a chord list: line {line} is not a chord line. The list was not "
        "changed.",
    .unreadableError = "\"{file}\" could not be read. The list was not changed.",
    .exportErrorText = "The MIDI file could not be saved. Please choose another file!",
    .rememberEdit = "Remember chord",
    .startAfreshEdit = "New list",
    .moveEdit = "Move",
    .removeEdit = "Remove",
    .duplicateEdit = "Duplicate",
    .transposeEdit = "Transpose",
    .openEdit = "Open list",
    .keyEdit = "Change key",
};

constinit const ChordListTexts FrenchListTexts{
    .windowTitle = "Liste d'accords",
    .buttonHint = "Cliquez sur ce bouton pour voir, modifier et jouer les accords mémorisés.",
    .listName = "Accords mémorisés",
    .keyLabel = "Tonalité",
    .majorItem = "majeur",
    .minorItem = "mineur",
    .transposeLabel = "Transposer",
    .transposeDown = "Descendre d'un demi-ton",
    .transposeUp = "Monter d'un demi-ton",
    .transposeTo = "Vers la tonalité",
    .play = "Jouer",
    .stop = "Arrêter",
    .tempo = "Tempo",
    .bpmSuffix = " BPM",
    .beatsPerChord = "Temps par accord",
    .loop = "En boucle",
    .smoothVoicing = "Conduite des voix souple",
    .moveUp = "Monter",
    .moveDown = "Descendre",
    .duplicate = "Dupliquer",
    .remove = "Supprimer",
    .undo = "Annuler",
    .redo = "Rétablir",
    .open = "Ouvrir…",
    .exportMidi = "Exporter en MIDI…",
    .openDialogTitle = "Ouvrir une liste d'accords",
    .exportDialogTitle = "Exporter en fichier MIDI",
    .midiFilter = "Fichiers MIDI|*.mid",
    .notAListError =
        "« {file} » n'est pas une liste d'accords : la ligne {line} n'est pas une ligne "
        "d'accord. La liste n'a pas été modifiée.",
    .unreadableError = "« {file} » n'a pas pu être lu. La liste n'a pas été modifiée.",
    .exportErrorText =
        "Le fichier MIDI n'a pas pu être enregistré. Veuillez choisir un autre fichier.",
    .rememberEdit = "Mémoriser l'accord",
    .startAfreshEdit = "Nouvelle liste",
    .moveEdit = "Déplacer",
    .removeEdit = "Supprimer",
    .duplicateEdit = "Dupliquer",
    .transposeEdit = "Transposer",
    .openEdit = "Ouvrir la liste",
    .keyEdit = "Changer de tonalité",
};

constinit const ChordListTexts DutchListTexts{
    .windowTitle = "Akkoordenlijst",
    .buttonHint =
        "Klik op deze knop om de onthouden akkoorden te zien, te bewerken en af te "
        "spelen.",
    .listName = "Onthouden akkoorden",
    .keyLabel = "Toonsoort",
    .majorItem = "majeur",
    .minorItem = "mineur",
    .transposeLabel = "Transponeren",
    .transposeDown = "Halve toon lager",
    .transposeUp = "Halve toon hoger",
    .transposeTo = "Naar toonsoort",
    .play = "Afspelen",
    .stop = "Stoppen",
    .tempo = "Tempo",
    .bpmSuffix = " BPM",
    .beatsPerChord = "Tellen per akkoord",
    .loop = "Herhalen",
    .smoothVoicing = "Soepele stemvoering",
    .moveUp = "Omhoog",
    .moveDown = "Omlaag",
    .duplicate = "Dupliceren",
    .remove = "Verwijderen",
    .undo = "Ongedaan maken",
    .redo = "Opnieuw",
    .open = "Openen…",
    .exportMidi = "MIDI exporteren…",
    .openDialogTitle = "Akkoordenlijst openen",
    .exportDialogTitle = "Als MIDI-bestand exporteren",
    .midiFilter = "MIDI-bestanden|*.mid",
    .notAListError =
        "\"{file}\" is geen akkoordenlijst: regel {line} is geen akkoordregel. De lijst is niet "
        "gewijzigd.",
    .unreadableError = "\"{file}\" kon niet gelezen worden. De lijst is niet gewijzigd.",
    .exportErrorText = "Het MIDI-bestand kon niet bewaard worden. Kies een ander bestand!",
    .rememberEdit = "Akkoord onthouden",
    .startAfreshEdit = "Nieuwe lijst",
    .moveEdit = "Verplaatsen",
    .removeEdit = "Verwijderen",
    .duplicateEdit = "Dupliceren",
    .transposeEdit = "Transponeren",
    .openEdit = "Lijst openen",
    .keyEdit = "Toonsoort wijzigen",
};

}  // namespace

const ChordListTexts& ChordListTextsFor(Language language) {
    switch (language) {
        case Language::English:
            return EnglishListTexts;
        case Language::French:
            return FrenchListTexts;
        case Language::Dutch:
            break;
    }
    return DutchListTexts;
}

std::string FillMessage(std::string_view message, std::string_view file, int line) {
    std::string text{message};
    const std::array<std::pair<std::string_view, std::string>, 2> fills = {
        {{"{file}", std::string{file}}, {"{line}", std::to_string(line)}}};
    for (const auto& [marker, value] : fills) {
        for (std::size_t at = text.find(marker); at != std::string::npos;
             at = text.find(marker, at + value.size())) {
            text.replace(at, marker.size(), value);
        }
    }
    return text;
}

}  // namespace vorlane
