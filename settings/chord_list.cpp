#include "settings/chord_list.h"

#include <algorithm>

#include "settings/windows1252.h"

namespace vorlane {

namespace {

// The underline is cut from a fixed row of 25, so a longer header keeps a 25-long underline.
constexpr std::string_view FullUnderline = "=========================";

}  // namespace

std::string ChordListUnderline(std::string_view header) {
    const std::size_t length = std::min(Utf8CharacterCount(header), FullUnderline.size());
    return std::string(FullUnderline.substr(0, length));
}

std::string ChordListText(std::span<const ChordValue> chords, Language language) {
    const LanguageTexts& texts = TextsFor(language);
    std::string text;
    text.append(texts.chordListHeader).append(LineEnd);
    text.append(ChordListUnderline(texts.chordListHeader)).append(LineEnd);
    text.append(LineEnd);
    for (const ChordValue& chord : chords) {
        text.append(ChordLine(texts.chordCaption, chord)).append(LineEnd);
    }
    return text;
}

std::string ChordListFileBytes(std::span<const ChordValue> chords, Language language) {
    return EncodeWindows1252(ChordListText(chords, language));
}

}  // namespace vorlane
