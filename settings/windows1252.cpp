#include "settings/windows1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vorlane {

namespace {

constexpr char Unmappable = '?';

// Code points of the bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves unused.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one well-formed UTF-8 character at the front of text, or none; sets its length.
std::optional<char32_t> DecodeOne(std::string_view text, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[0]);
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuation(byte)) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || surrogate || codePoint > 0x10FFFF) {
        return std::nullopt;
    }
    return codePoint;
}

char ToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(codePoint));
    }
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] != 0 && HighControlRange[i] == codePoint) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
        }
    }
    return Unmappable;
}

}  // namespace

std::string EncodeWindows1252(std::string_view utf8) {
    std::string encoded;
    encoded.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        std::size_t length = 1;
        const auto codePoint = DecodeOne(utf8.substr(position), length);
        if (codePoint) {
            encoded.push_back(ToWindows1252(*codePoint));
            position += length;
        } else {
            encoded.push_back(Unmappable);
            position += 1;
        }
    }
    return encoded;
}

std::size_t Utf8CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) {
        if (!IsContinuation(static_cast<unsigned char>(byte))) {
            ++count;
        }
    }
    return count;
}

}  // namespace vorlane
