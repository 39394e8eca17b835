#include <gtest/gtest.h>

#include <array>
#include <string>

#include "i18n/language_texts.h"
#include "tests/cli/cli_run.h"
#include "tests/theory/expected_chords.h"
#include "theory/chord_types.h"

namespace vorlane {
namespace {

struct Case {
    bool sharpColumn;
    KeyNumber root;
    int type;  // the type's number, as the command line counts
    int inversion;
    int language;  // 0 en, 1 fr, 2 nl
    bool higher;
};

std::string Join(const std::vector<std::string>& items, std::string_view separator) {
    std::string joined;
    for (const std::string& item : items) {
        joined += (joined.empty() ? "" : std::string{separator}) + item;
    }
    return joined;
}

// The output recomputed from the hand-written intervals and the name tables.
std::string Expected(const Case& c, const std::string& caption) {
    const NoteNameTable& names = c.sharpColumn ? SharpNoteNames : FlatNoteNames;
    auto nameAt = [&](int semitones) {
        return std::string{names[static_cast<std::size_t>((c.root - 1 + semitones) % 12 + 1)]};
    };
    std::vector<std::string> scale;
    for (int s : {0, 2, 4, 5, 7, 9, 11, 12}) {
        scale.push_back(nameAt(s));
    }
    const std::vector<std::string> compatible = {nameAt(0),
                                                 nameAt(5),
                                                 nameAt(7),
                                                 nameAt(2) + "m",
                                                 nameAt(9) + "m",
                                                 nameAt(4) + "m",
                                                 nameAt(11) + "\u00b0 (DIM)"};
    std::vector<std::string> tones;
    std::string keys = "Keys:";
    std::string midi = "MIDI:";
    const auto& semitones = testing::ExpectedChords()[static_cast<std::size_t>(c.type)].semitones;
    for (std::size_t i = 0; i < semitones.size(); ++i) {
        const bool lifted = testing::ExpectInvertible(c.type) && static_cast<int>(i) < c.inversion;
        const KeyNumber key = c.root + semitones[i] + (lifted ? 12 : 0);
        EXPECT_TRUE(key >= 1 && key <= 36) << "no marker spot for key " << key;
        tones.push_back(nameAt(semitones[i]));
        keys += " " + std::to_string(key);
        midi += " " + std::to_string(key + (c.higher ? 59 : 47));
    }
    const LanguageTexts& texts = TextsFor(static_cast<Language>(c.language));
    return std::string{texts.scaleCaption} + " " + caption + ":   " + Join(scale, " - ") + "\n" +
           std::string{texts.compatibleCaption} + ": " + Join(compatible, ", ") + "\n" +
           std::string{texts.chordCaption} + caption +
           std::string{ChordTypeTable[static_cast<std::size_t>(c.type)].suffix} + ":   " +
           Join(tones, " - ") + "\n" + keys + "\n" + midi + "\n";
}

// Every root button x type x inversion x language, TYPE given by number or by name.
TEST(CliExhaustive, EveryRootTypeInversionAndLanguage) {
    constexpr std::array<std::string_view, 3> kCodes = {"en", "fr", "nl"};
    constexpr int kCases = 2 * 12 * kChordTypeCount * 3 * 3;
    for (int n = 0; n < kCases; ++n) {
        const Case c{n % 2 == 1,  n / 2 % 12 + 1, n / 24 % kChordTypeCount,
                     n / 576 % 3, n / 1728 % 3,   n % 7 < 3};
        const NoteNameTable& column = c.sharpColumn ? SharpNoteNames : FlatNoteNames;
        const std::string caption{column[static_cast<std::size_t>(c.root)]};
        const std::string type =
            c.type % 2 ? std::to_string(c.type) : std::string{ChordTypeTable[c.type].typeName};
        const std::string inversion = "--inversion=" + std::to_string(c.inversion);

        // Options go before ROOT, between ROOT and TYPE, or after TYPE.
        std::array<std::vector<std::string_view>, 3> slots;
        auto& language = slots[static_cast<std::size_t>(c.type % 3)];
        language.insert(language.end(), {"--lang", kCodes[static_cast<std::size_t>(c.language)]});
        slots[static_cast<std::size_t>(c.root % 3)].push_back(inversion);
        if (c.sharpColumn && FlatNoteNames[c.root] == SharpNoteNames[c.root]) {
            slots[static_cast<std::size_t>(c.inversion)].push_back("--sharp");
        }
        if (c.higher) {
            slots[static_cast<std::size_t>((c.type + 1) % 3)].push_back("--octave-higher");
        }
        std::vector<std::string_view> args = slots[0];
        args.push_back(caption);
        args.insert(args.end(), slots[1].begin(), slots[1].end());
        args.push_back(type);
        args.insert(args.end(), slots[2].begin(), slots[2].end());

        const testing::CliResult result = testing::RunTool(args);
        SCOPED_TRACE(caption + " " + type + " " + inversion + (c.higher ? " higher" : ""));
        ASSERT_EQ(result.status, 0) << result.err;
        ASSERT_EQ(result.err, "");
        ASSERT_EQ(result.out, Expected(c, caption));
    }
}

}  // namespace
}  // namespace vorlane
