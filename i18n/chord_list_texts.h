#pragma once

#include <string>
#include <string_view>

#include "i18n/language_texts.h"

namespace vorlane {

// The chord list window's texts in one language, and the main window's button that opens it.
// UTF-8. "{file}" and "{line}" in a message stand for the file's name and a line number.
struct ChordListTexts {
    std::string_view windowTitle;  // also the caption of the main window's button
    std::string_view buttonHint;
    std::string_view listName;  // what a screen reader calls the list

    std::string_view keyLabel;
    std::string_view majorItem;
    std::string_view minorItem;
    std::string_view transposeLabel;
    std::string_view transposeDown;
    std::string_view transposeUp;
    std::string_view transposeTo;

    std::string_view play;
    std::string_view stop;
    std::string_view tempo;
    std::string_view bpmSuffix;
    std::string_view beatsPerChord;
    std::string_view loop;
    std::string_view smoothVoicing;

    std::string_view moveUp;
    std::string_view moveDown;
    std::string_view duplicate;
    std::string_view remove;
    std::string_view undo;
    std::string_view redo;
    std::string_view open;
    std::string_view exportMidi;

    std::string_view openDialogTitle;
    std::string_view exportDialogTitle;
    std::string_view midiFilter;  // "Description|*.mid"
    std::string_view notAListError;
    std::string_view unreadableError;
    std::string_view exportErrorText;

    // What undo and redo would take back or do again.
    std::string_view rememberEdit;
    std::string_view startAfreshEdit;
    std::string_view moveEdit;
    std::string_view removeEdit;
    std::string_view duplicateEdit;
    std::string_view transposeEdit;
    std::string_view openEdit;
    std::string_view keyEdit;
};

const ChordListTexts& ChordListTextsFor(Language language);

// The message with "{file}" and "{line}" filled in.
std::string FillMessage(std::string_view message, std::string_view file, int line = 0);

}  // namespace vorlane
