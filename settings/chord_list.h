#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language_texts.h"
#include "theory/chord_value.h"

namespace vorlane {

inline constexpr std::string_view LineEnd = "\r\n";

// As many "=" as the header has characters (not bytes), at most 25.
std::string ChordListUnderline(std::string_view header);

// The saved list as text, in the language: its header, the underline, an empty line, then one
// chord line per chord in order; every line ended by CR LF. UTF-8.
std::string ChordListText(std::span<const ChordValue> chords, Language language);

// The file's content: that text in Windows-1252, no byte-order mark.
std::string ChordListFileBytes(std::span<const ChordValue> chords, Language language);

struct ChordListReading {
    std::vector<ChordValue> chords;
    int badLine = 0;  // 0: the whole file was read; else the first bad line, counted from 1
};

// Reads back a list saved in any of the three languages (Windows-1252, CR LF or LF line ends,
// empty lines at the end allowed). A chord line is recognised as one of the lines the program
// writes for some root, column and type in the header's language, which also recovers the
// column; where both columns write the same line, the flat one. Chords come back in root
// position, which is all the text tells.
ChordListReading ReadChordList(std::string_view fileBytes);

}  // namespace vorlane
