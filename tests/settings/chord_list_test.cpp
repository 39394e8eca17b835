#include "settings/chord_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/windows1252.h"

namespace vorlane {
namespace {

TEST(ChordList, UnderlineCountsCharactersNotBytes) {
    EXPECT_EQ(ChordListUnderline("Selected Chords"), std::string(15, '='));
    EXPECT_EQ(ChordListUnderline("Accords s\xC3\xA9lectionn\xC3\xA9s"), std::string(20, '='));
    EXPECT_EQ(ChordListUnderline("Geselecteerde Akkoorden"), std::string(23, '='));
    EXPECT_EQ(ChordListUnderline(""), "");
    // The underline is cut from a row of 25, so it never grows beyond that.
    EXPECT_EQ(ChordListUnderline(std::string(30, 'x')), std::string(25, '='));
}

TEST(ChordList, FileBytesInEachLanguage) {
    constexpr ChordValue cMajor{1, Spelling::Flat, ChordType::Major};
    constexpr ChordValue bDim{12, Spelling::Flat, ChordType::Diminished};
    constexpr ChordValue ebMajor{4, Spelling::Flat, ChordType::Major};
    // The inversion is not written: the chord line names the chord in root position.
    constexpr ChordValue fSharpDim{7, Spelling::Sharp, ChordType::Diminished,
                                   Inversion::FirstInversion};
    struct Case {
        std::vector<ChordValue> chords;
        Language language;
        std::string bytes;
    };
    const Case cases[] = {
        {{}, Language::English, "Selected Chords\r\n===============\r\n\r\n"},
        {{cMajor, bDim},
         Language::English,
         "Selected Chords\r\n===============\r\n\r\n"
         "Chord C:   C - E - G\r\n"
         "Chord B\xB0 (DIM):   B - D - F\r\n"},
        {{ebMajor},
         Language::French,
         "Accords s\xE9lectionn\xE9s\r\n====================\r\n\r\n"
         "Accord Eb:   Eb - G - Bb\r\n"},
        {{fSharpDim, fSharpDim},  // duplicates are kept
         Language::Dutch,
         "Geselecteerde Akkoorden\r\n=======================\r\n\r\n"
         "Akkoord F#\xB0 (DIM):   F# - A - C\r\n"
         "Akkoord F#\xB0 (DIM):   F# - A - C\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(ChordListFileBytes(c.chords, c.language), c.bytes);
    }
    // The text stays UTF-8 until it is encoded.
    EXPECT_EQ(ChordListText(std::vector{bDim}, Language::English),
              "Selected Chords\r\n===============\r\n\r\nChord B\xC2\xB0 (DIM):   B - D - F\r\n");
}

TEST(Windows1252, EncodesEveryCharacterOfTheLanguageTable) {
    for (const Language language : {Language::English, Language::French, Language::Dutch}) {
        const LanguageTexts& t = TextsFor(language);
        for (const std::string_view text :
             {t.aboutText, t.compatibleCaption, t.flatHeader, t.frenchButton, t.dutchButton,
              t.inversionItems[2], t.rememberButton, t.saveDialogTitle, t.saveErrorText,
              t.pianoArpeggioButton, t.guitarArpeggioButton, t.chordListHeader}) {
            const std::string encoded = EncodeWindows1252(text);
            EXPECT_EQ(encoded.find('?'), std::string::npos) << text;
            EXPECT_EQ(encoded.size(), Utf8CharacterCount(text)) << text;
        }
    }
}

TEST(Windows1252, MapsLatin1AndTheExtraRowAndReplacesTheRest) {
    EXPECT_EQ(EncodeWindows1252("\xC3\xA9\xC3\xA8\xC3\xA7\xC3\xAA\xC2\xB0"),
              "\xE9\xE8\xE7\xEA\xB0");
    EXPECT_EQ(EncodeWindows1252("\xC2\xA0\xC3\xBF"), "\xA0\xFF");
    // Characters the code page keeps in 0x80..0x9F: euro, en dash, curly quotes, Y diaeresis.
    EXPECT_EQ(EncodeWindows1252("\xE2\x82\xAC\xE2\x80\x93\xE2\x80\x9C\xE2\x80\x9D\xC5\xB8"),
              "\x80\x96\x93\x94\x9F");
    // No byte for these: a C1 control, a Greek letter, CJK, an emoji.
    EXPECT_EQ(EncodeWindows1252("a\xC2\x81"
                                "b\xCE\xB1"
                                "c\xE4\xB8\xAD"
                                "d\xF0\x9F\x8E\xB9"
                                "e"),
              "a?b?c?d?e");
}

TEST(Windows1252, MalformedInputBecomesQuestionMarksByteForByte) {
    EXPECT_EQ(EncodeWindows1252("a\xFF"
                                "b"),
              "a?b");
    EXPECT_EQ(EncodeWindows1252("a\xA9"
                                "b"),
              "a?b");                             // stray continuation byte
    EXPECT_EQ(EncodeWindows1252("a\xC3"), "a?");  // cut off at the end
    EXPECT_EQ(EncodeWindows1252("\xC3"
                                "A"),
              "?A");                                      // lead byte without continuation
    EXPECT_EQ(EncodeWindows1252("\xC0\xAF"), "??");       // overlong "/"
    EXPECT_EQ(EncodeWindows1252("\xED\xA0\x80"), "???");  // surrogate
    EXPECT_EQ(EncodeWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace vorlane
