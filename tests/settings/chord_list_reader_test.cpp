#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/chord_list.h"

namespace vorlane {
namespace {

std::string WithLineFeeds(std::string text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') {
            out += c;
        }
    }
    return out;
}

TEST(ChordListReader, EveryChordComesBackInEveryLanguage) {
    std::vector<ChordValue> written;
    for (const Spelling spelling : {Spelling::Flat, Spelling::Sharp}) {
        for (KeyNumber root = 1; root <= 12; ++root) {
            for (const ChordType type : AllChordTypes) {
                written.push_back({root, spelling, type, Inversion::SecondInversion});
            }
        }
    }
    for (const LanguageRow& language : Languages) {
        const std::string bytes = ChordListFileBytes(written, language.language);
        for (const std::string& file : {bytes, WithLineFeeds(bytes)}) {
            const ChordListReading reading = ReadChordList(file);
            EXPECT_EQ(reading.badLine, 0) << language.cliCode;
            ASSERT_EQ(reading.chords.size(), written.size()) << language.cliCode;
            for (std::size_t i = 0; i < written.size(); ++i) {
                const ChordValue& read = reading.chords[i];
                EXPECT_EQ(read.root, written[i].root);
                EXPECT_EQ(read.type, written[i].type);
                EXPECT_EQ(read.inversion, Inversion::RootPosition);
                // A line that both columns write (C - E - G) comes back flat.
                ChordValue flat = written[i];
                flat.spelling = Spelling::Flat;
                const bool same = ChordLine("", flat) == ChordLine("", written[i]);
                EXPECT_EQ(read.spelling, same ? Spelling::Flat : written[i].spelling);
            }
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
    const Case cases[] = {
        {"English", english + "Chord Dm7:   D - F - A - C\r\n", {dm7}, 0},
        {"Dutch, line feeds, no end on the last line",
         dutch + "Akkoord F#\xB0 (DIM):   F# - A - C\nAkkoord Dm7:   D - F - A - C",
         {fSharpDim, dm7},
         0},
        {"French, empty lines at the end",
         french + "Accord EbM7 (MAJ):   Eb - G - Bb - D\r\n\r\n\r\n",
         {ebMaj7},
         0},
        {"a list without chords", english, {}, 0},
        {"empty file", "", {}, 1},
        {"not a list", "hello\r\n", {}, 1},
        {"header in UTF-8",
         "Accords s\xC3\xA9lectionn\xC3\xA9s\r\n====================\r\n\r\n",
         {},
         1},
        {"old Mac line ends", "Selected Chords\r===============\r\r", {}, 1},
        {"header only", "Selected Chords\r\n", {}, 2},
        {"short underline", "Selected Chords\r\n==============\r\n\r\n", {}, 2},
        {"no empty line",
         "Selected Chords\r\n===============\r\nChord Dm7:   D - F - A - C\r\n",
         {},
         3},
        {"another language's chord line", english + "Akkoord Dm7:   D - F - A - C\r\n", {}, 4},
        {"wrong notes", english + "Chord Dm7:   D - F - A - C\r\nChord C:   C - E - A\r\n", {}, 5},
        {"trailing blank", english + "Chord Dm7:   D - F - A - C \r\n", {}, 4},
        {"sharp name with flat notes", english + "Chord F#\xB0 (DIM):   Gb - A - C\r\n", {}, 4},
        {"a gap between chords",
         english + "Chord Dm7:   D - F - A - C\r\n\r\n\r\nChord Dm7:   D - F - A - C\r\n",
         {},
         5},
    };
    for (const Case& c : cases) {
        const ChordListReading reading = ReadChordList(c.file);
        EXPECT_EQ(reading.badLine, c.badLine) << c.name;
        EXPECT_EQ(reading.chords, c.chords) << c.name;
    }
}

}  // namespace
}  // namespace vorlane
