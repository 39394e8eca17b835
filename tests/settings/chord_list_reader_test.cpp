#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/chord_list.h"

namespace vorlane {
namespace {

// Every chord comes back in root position; a line both columns write (C - E - G) comes back flat.
TEST(ChordListReader, EveryChordComesBackInEveryLanguage) {
    std::vector<ChordValue> written;
    std::vector<ChordValue> expected;
    for (const Spelling spelling : {Spelling::Flat, Spelling::Sharp}) {
        for (KeyNumber root = 1; root <= 12; ++root) {
            for (const ChordType type : AllChordTypes) {
                written.push_back({root, spelling, type, Inversion::SecondInversion});
                const ChordValue flat{root, Spelling::Flat, type};
                const bool same = ChordLine("", flat) == ChordLine("", written.back());
                expected.push_back({root, same ? Spelling::Flat : spelling, type});
            }
        }
    }
    for (const LanguageRow& language : Languages) {
        std::string bytes = ChordListFileBytes(written, language.language);
        for (const bool lineFeeds : {false, true}) {
            if (lineFeeds) {
                std::erase(bytes, '\r');
            }
            const ChordListReading reading = ReadChordList(bytes);
            EXPECT_EQ(reading.badLine, 0) << language.cliCode;
            EXPECT_EQ(reading.chords, expected) << language.cliCode;
        }
    }
}

TEST(ChordListReader, FilesAndTheirFirstBadLine) {
    const std::string english = "Selected Chords\r\n===============\r\n\r\n";
    const std::string dutch = "Geselecteerde Akkoorden\n=======================\n\n";
    const std::string french = "Accords s\xE9lectionn\xE9s\r\n====================\r\n\r\n";
    constexpr ChordValue dm7{3, Spelling::Flat, ChordType::Minor7};
    constexpr ChordValue fSharpDim{7, Spelling::Sharp, ChordType::Diminished};
    constexpr ChordValue ebMaj7{4, Spelling::Flat, ChordType::Major7};
    struct Case {
        std::string name;
        std::string file;
        std::vector<ChordValue> chords;
        int badLine;
    };
    // clang-format off
    const Case cases[] = {
        {"English", english + "Chord Dm7:   D - F - A - C\r\n", {dm7}, 0},
        {"Dutch, line feeds, no end on the last line",
         dutch + "Akkoord F#\xB0 (DIM):   F# - A - C\nAkkoord Dm7:   D - F - A - C",
         {fSharpDim, dm7}, 0},
        {"French, empty lines at the end",
         french + "Accord EbM7 (MAJ):   Eb - G - Bb - D\r\n\r\n\r\n", {ebMaj7}, 0},
        {"a list without chords", english, {}, 0},
        {"not a list", "hello\r\n", {}, 1},
        {"header in UTF-8", "Accords s\xC3\xA9lectionn\xC3\xA9s\r\n====================\r\n\r\n",
         {}, 1},
        {"old Mac line ends", "Selected Chords\r===============\r\r", {}, 1},
        {"header only", "Selected Chords\r\n", {}, 2},
        {"short underline", "Selected Chords\r\n==============\r\n\r\n", {}, 2},
        {"no empty line", "Selected Chords\r\n===============\r\nChord Dm7:   D - F - A - C\r\n",
         {}, 3},
        {"another language's chord line", english + "Akkoord Dm7:   D - F - A - C\r\n", {}, 4},
        {"wrong notes", english + "Chord Dm7:   D - F - A - C\r\nChord C:   C - E - A\r\n", {}, 5},
        {"sharp name with flat notes", english + "Chord F#\xB0 (DIM):   Gb - A - C\r\n", {}, 4},
        {"a gap between chords",
         english + "Chord Dm7:   D - F - A - C\r\n\r\n\r\nChord Dm7:   D - F - A - C\r\n", {}, 5},
    };
    // clang-format on
    for (const Case& c : cases) {
        const ChordListReading reading = ReadChordList(c.file);
        EXPECT_EQ(reading.badLine, c.badLine) << c.name;
        EXPECT_EQ(reading.chords, c.chords) << c.name;
    }
}

}  // namespace
}  // namespace vorlane
