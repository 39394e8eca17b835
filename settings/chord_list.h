#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "i18n/language_texts.h"

namespace vorlane {

// The remembered chords, kept from the start in the exact form of the file they are saved to:
// header, underline, an empty line, then one chord line per remembered chord, every line ended
// by CR LF. Held as UTF-8; the file's bytes come from ChordFileBytes.
class ChordList {
  public:
    // No text at all: the state before the first list is started.
    ChordList() = default;
    // A new list under the given header.
    explicit ChordList(std::string_view header);
    // A new list under the language's header.
    static ChordList ForLanguage(Language language);

    void Append(std::string_view chordLine);

    const std::string& Text() const { return text_; }
    std::size_t ChordCount() const { return chordCount_; }

  private:
    std::string text_;
    std::size_t chordCount_ = 0;
};

inline constexpr std::string_view LineEnd = "\r\n";

// As many "=" as the header has characters (not bytes), at most 25.
std::string ChordListUnderline(std::string_view header);

// The file's content: the list's text in Windows-1252, no byte-order mark.
std::string ChordFileBytes(const ChordList& list);

}  // namespace vorlane
