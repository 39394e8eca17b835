#include <gtest/gtest.h>

#include <array>
#include <string>

#include "i18n/language_texts.h"
#include "tests/cli/cli_run.h"
#include "tests/theory/expected_chords.h"
#include "theory/chord_types.h"
#include "theory/notes.h"

namespace vorlane {
namespace {

std::string Join(const std::vector<std::string>& items, std::string_view separator) {
    std::string joined;
    for (const std::string& item : items) {
        joined += (joined.empty() ? "" : std::string{separator}) + item;
    }
    return joined;
}

struct LanguageArg {
    std::string_view code;
    Language language;
};

// Every root button x type x inversion x language, with the options shuffled around the
// positional arguments, against output recomputed here from intervals and the name tables.
TEST(CliExhaustive, EveryRootTypeInversionAndLanguage) {
    const std::array<LanguageArg, 3> languages = {
        {{"en", Language::English}, {"fr", Language::French}, {"nl", Language::Dutch}}};
    int runs = 0;
    for (const bool sharpColumn : {false, true}) {
        const NoteNameTable& names = sharpColumn ? SharpNoteNames : FlatNoteNames;
        for (KeyNumber root = 1; root <= 12; ++root) {
            // The name of the note `semitones` above the root, reduced to the first octave.
            auto nameAt = [&](int semitones) {
                return std::string{
                    names[static_cast<std::size_t>((root - 1 + semitones) % 12 + 1)]};
            };
            const std::string caption = nameAt(0);
            const bool natural = FlatNoteNames[root] == SharpNoteNames[root];
            for (ChordType type = 0; type < kChordTypeCount; ++type) {
                const auto& row = ChordTypeTable[static_cast<std::size_t>(type)];
                const auto& semitones =
                    testing::ExpectedChords()[static_cast<std::size_t>(type)].semitones;
                const std::string typeArg =
                    type % 2 ? std::to_string(type) : std::string{row.typeName};
                for (int inversion = 0; inversion <= 2; ++inversion) {
                    const std::string inversionArg = "--inversion=" + std::to_string(inversion);
                    for (const LanguageArg& lang : languages) {
                        const bool higher = (root + type + inversion) % 2 == 1;
                        // Options go before ROOT, between ROOT and TYPE, or after TYPE.
                        std::array<std::vector<std::string_view>, 3> slots;
                        auto put = [&](int slot, std::vector<std::string_view> option) {
                            auto& into = slots[static_cast<std::size_t>(slot % 3)];
                            into.insert(into.end(), option.begin(), option.end());
                        };
                        put(type, {"--lang", lang.code});
                        put(root, {inversionArg});
                        if (sharpColumn && natural) {
                            put(inversion, {"--sharp"});
                        }
                        if (higher) {
                            put(type + 1, {"--octave-higher"});
                        }
                        std::vector<std::string_view> args = slots[0];
                        args.push_back(caption);
                        args.insert(args.end(), slots[1].begin(), slots[1].end());
                        args.push_back(typeArg);
                        args.insert(args.end(), slots[2].begin(), slots[2].end());
                        const auto result = testing::RunTool(args);
                        ++runs;
                        SCOPED_TRACE(caption + " " + typeArg + " " + inversionArg + " " +
                                     std::string{lang.code} + (higher ? " higher" : ""));
                        ASSERT_EQ(result.status, 0) << result.err;
                        ASSERT_EQ(result.err, "");

                        const LanguageTexts& texts = TextsFor(lang.language);
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
                        std::vector<std::string> chordNames;
                        std::string keys = "Keys:";
                        std::string midi = "MIDI:";
                        for (std::size_t i = 0; i < semitones.size(); ++i) {
                            const bool lifted =
                                testing::ExpectInvertible(type) && static_cast<int>(i) < inversion;
                            const KeyNumber key = root + semitones[i] + (lifted ? 12 : 0);
                            ASSERT_TRUE(key >= 1 && key <= 36) << "no marker spot for " << key;
                            // The marker's name is the one the chord line gives the tone.
                            EXPECT_EQ(names[static_cast<std::size_t>(key)], nameAt(semitones[i]));
                            chordNames.push_back(nameAt(semitones[i]));
                            keys += " " + std::to_string(key);
                            midi += " " + std::to_string(key + (higher ? 59 : 47));
                        }
                        const std::string expected =
                            std::string{texts.scaleCaption} + " " + caption + ":   " +
                            Join(scale, " - ") + "\n" + std::string{texts.compatibleCaption} +
                            ": " + Join(compatible, ", ") + "\n" + std::string{texts.chordCaption} +
                            caption + std::string{row.suffix} + ":   " + Join(chordNames, " - ") +
                            "\n" + keys + "\n" + midi + "\n";
                        ASSERT_EQ(result.out, expected);
                    }
                }
            }
        }
    }
    EXPECT_EQ(runs, 24 * 24 * 3 * 3);
}

}  // namespace
}  // namespace vorlane
