#include "settings/chord_list.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "settings/windows1252.h"

namespace vorlane {

namespace {

// The underline is cut from a fixed row of 25, so a longer header keeps a 25-long underline.
constexpr std::string_view FullUnderline = "=========================";

// Every chord line the program writes in one language, Windows-1252, to the chord it names.
using ChordLineIndex = std::unordered_map<std::string, ChordValue>;

ChordLineIndex IndexChordLines(Language language) {
    ChordLineIndex index;
    const std::string_view caption = TextsFor(language).chordCaption;
    // Flat first: a line both columns write stays with the flat one.
    for (const Spelling spelling : {Spelling::Flat, Spelling::Sharp}) {
        for (KeyNumber root = 1; root <= 12; ++root) {
            for (const ChordType type : AllChordTypes) {
                const ChordValue chord{root, spelling, type, Inversion::RootPosition};
                index.emplace(EncodeWindows1252(ChordLine(caption, chord)), chord);
            }
        }
    }
    return index;
}

const ChordLineIndex& ChordLinesOf(Language language) {
    static const std::array<ChordLineIndex, Languages.size()> indexes = [] {
        std::array<ChordLineIndex, Languages.size()> built;
        for (std::size_t i = 0; i < Languages.size(); ++i) {
            built[i] = IndexChordLines(Languages[i].language);
        }
        return built;
    }();
    for (std::size_t i = 0; i < Languages.size(); ++i) {
        if (Languages[i].language == language) {
            return indexes[i];
        }
    }
    return indexes.front();
}

// The lines of the file without their ends (LF, or CR LF); a final line end starts no line.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

constexpr int kFirstChordLine = 4;

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

ChordListReading ReadChordList(std::string_view fileBytes) {
    const std::vector<std::string_view> lines = SplitLines(fileBytes);
    auto lineAt = [&lines](int number) {
        return number <= static_cast<int>(lines.size())
                   ? std::optional<std::string_view>{lines[static_cast<std::size_t>(number - 1)]}
                   : std::nullopt;
    };
    const LanguageRow* language = nullptr;
    for (const LanguageRow& row : Languages) {
        if (lineAt(1) == EncodeWindows1252(row.texts->chordListHeader)) {
            language = &row;
        }
    }
    if (language == nullptr) {
        return {{}, 1};
    }
    if (lineAt(2) != ChordListUnderline(language->texts->chordListHeader)) {
        return {{}, 2};
    }
    if (lineAt(3) != std::string_view{}) {
        return {{}, 3};
    }
    const ChordLineIndex& index = ChordLinesOf(language->language);
    ChordListReading reading;
    int firstEmpty = 0;  // of the empty lines seen since the last chord line
    for (int number = kFirstChordLine; number <= static_cast<int>(lines.size()); ++number) {
        const std::string_view line = *lineAt(number);
        if (line.empty()) {
            firstEmpty = firstEmpty == 0 ? number : firstEmpty;
            continue;
        }
        const auto found = index.find(std::string{line});
        if (firstEmpty != 0 || found == index.end()) {
            return {{}, firstEmpty != 0 ? firstEmpty : number};
        }
        reading.chords.push_back(found->second);
    }
    return reading;
}

}  // namespace vorlane
