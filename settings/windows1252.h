#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlane {

// Encodes UTF-8 text as Windows-1252, one byte per character, without a byte-order mark.
// A character the code page cannot hold becomes '?', and so does every byte that does not begin
// a well-formed UTF-8 character: the file stays one byte per character instead of failing.
std::string EncodeWindows1252(std::string_view utf8);

// Characters (code points) of UTF-8 text, which is what the code page writes one byte for.
std::size_t Utf8CharacterCount(std::string_view utf8);

}  // namespace vorlane
