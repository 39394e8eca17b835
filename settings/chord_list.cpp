#include "settings/chord_list.h"

#include <algorithm>

#include "settings/windows1252.h"

namespace vorlane {

namespace {

// The underline is cut from a fixed row of 25, so a longer header keeps a 25-long underline.
constexpr std::string_view FullUnderline = "=========================";

}  // namespace

ChordList::ChordList(std::string_view header) {
    text_.append(header).append(LineEnd);
    text_.append(ChordListUnderline(header)).append(LineEnd);
    text_.append(LineEnd);
}

ChordList ChordList::ForLanguage(Language language) {
    return ChordList(TextsFor(language).chordListHeader);
}

void ChordList::Append(std::string_view chordLine) {
    text_.append(chordLine).append(LineEnd);
    ++chordCount_;
}

std::string ChordListUnderline(std::string_view header) {
    const std::size_t length = std::min(Utf8CharacterCount(header), FullUnderline.size());
    return std::string(FullUnderline.substr(0, length));
}

std::string ChordFileBytes(const ChordList& list) {
    return EncodeWindows1252(list.Text());
}

}  // namespace vorlane
