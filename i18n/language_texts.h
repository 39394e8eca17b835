#pragma once

#include <array>
#include <string_view>

#include "vorlane/version.h"

namespace vorlane {

enum class Language { English, French, Dutch };

// One language's column of the text table: every caption the window shows in that language,
// and the strings other texts are composed from. UTF-8.
struct LanguageTexts {
    std::string_view productName;
    std::string_view aboutText;  // description line of the about box
    std::string_view scaleCaption;
    std::string_view compatibleCaption;
    std::string_view scaleGroupCaption;
    std::string_view flatHeader;
    std::string_view sharpHeader;
    std::string_view variationGroupCaption;
    std::string_view chordCaption;  // ends with one blank
    std::string_view languageGroupCaption;
    std::string_view englishButton;
    std::string_view frenchButton;
    std::string_view dutchButton;
    std::string_view notesOnPianoCheck;
    std::string_view inversionLabel;
    std::array<std::string_view, 3> inversionItems;
    std::string_view rememberButton;
    std::string_view saveButton;
    std::string_view saveDialogTitle;
    std::string_view saveErrorText;
    std::string_view soundGroupCaption;
    std::string_view noSoundButton;
    std::string_view hammondButton;
    std::string_view pianoArpeggioButton;
    std::string_view guitarArpeggioButton;
    std::string_view octaveHigherCheck;

    std::string_view chordListHeader;  // first line of a saved chord list

    std::string_view keyboardName;  // what a screen reader calls the keyboard picture
    std::string_view copyItem;      // context menu of the text lines

    // Context menu of the window and the sound group: where sound goes and comes from.
    std::string_view soundOutputMenu;
    std::string_view builtInSynthItem;
    std::string_view midiInputMenu;
};

extern const LanguageTexts EnglishTexts;
extern const LanguageTexts FrenchTexts;
extern const LanguageTexts DutchTexts;

// Everything that depends on the language, one row each.
struct LanguageRow {
    Language language;
    const LanguageTexts* texts;
    std::string_view button;       // the window's radio button for it
    std::string_view settingText;  // the word stored in the settings
    std::string_view cliCode;      // the value of --lang
    int logoFrame;                 // the logo picture carries the product name in each language
};

inline constexpr std::array<LanguageRow, 3> Languages = {{
    {Language::English, &EnglishTexts, "EnglishButton", "Engels", "en", 2},
    {Language::French, &FrenchTexts, "FrenchButton", "Frans", "fr", 1},
    {Language::Dutch, &DutchTexts, "DutchButton", "Nederlands", "nl", 0},
}};

constexpr const LanguageRow& LanguageInfo(Language language) {
    for (const LanguageRow& row : Languages) {
        if (row.language == language) {
            return row;
        }
    }
    return Languages.front();
}

const LanguageTexts& TextsFor(Language language);

}  // namespace vorlane
