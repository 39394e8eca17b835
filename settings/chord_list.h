#pragma once

#include <span>
#include <string>
#include <string_view>

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

}  // namespace vorlane
