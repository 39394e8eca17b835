#include "settings/settings_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/memory_settings_store.h"

namespace vorlane {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(SettingsRules, NothingStoredGivesTheDefaults) {
    MemorySettingsStore store;
    const StoredSettings settings = ReadSettings(store);
    EXPECT_EQ(settings.language, Language::English);
    EXPECT_EQ(settings.soundMode, SoundMode::NoSound);
    EXPECT_FALSE(settings.octaveHigher);
    EXPECT_TRUE(store.Writes().empty());
}

TEST(SettingsRules, OnlyExactTextsSelectTheLanguage) {
    MemorySettingsStore store;
    const std::pair<std::string, Language> cases[] = {
        {"Frans", Language::French},       {"Nederlands", Language::Dutch},
        {"Engels", Language::English},     {"", Language::English},
        {"FRANS", Language::English},      {"frans", Language::English},
        {"NEDERLANDS", Language::English}, {"nederlands", Language::English},
        {"Frans ", Language::English},     {"Nederlandse", Language::English},
        {"Dutch", Language::English},
    };
    for (const auto& [text, expected] : cases) {
        store.Set(LanguageValueName, text);
        EXPECT_EQ(ReadLanguageSetting(store), expected) << '"' << text << '"';
    }
}

TEST(SettingsRules, OnlyExactTextsSelectTheSoundModeAndTheOctave) {
    MemorySettingsStore store;
    const std::pair<std::string, SoundMode> modes[] = {
        {"Hammond", SoundMode::HammondOrgan},  {"Piano", SoundMode::PianoArpeggio},
        {"Guitar", SoundMode::GuitarArpeggio}, {"GeenMidi", SoundMode::NoSound},
        {"hammond", SoundMode::NoSound},       {"PIANO", SoundMode::NoSound},
        {"Organ", SoundMode::NoSound},         {"", SoundMode::NoSound},
    };
    for (const auto& [text, expected] : modes) {
        store.Set(SoundModeValueName, text);
        EXPECT_EQ(ReadSoundModeSetting(store), expected) << '"' << text << '"';
    }
    const std::pair<std::string, bool> octaves[] = {
        {"Hoog", true}, {"Laag", false}, {"hoog", false}, {"HOOG", false}, {"", false}};
    for (const auto& [text, expected] : octaves) {
        store.Set(OctaveValueName, text);
        EXPECT_EQ(ReadOctaveSetting(store), expected) << '"' << text << '"';
    }
}

TEST(SettingsRules, StoredTextEndsAtItsFirstNul) {
    MemorySettingsStore store;
    store.Set(LanguageValueName, std::string("Frans\0junk", 10));
    store.Set(OctaveValueName, std::string("\0Hoog", 5));
    EXPECT_EQ(ReadLanguageSetting(store), Language::French);
    EXPECT_FALSE(ReadOctaveSetting(store));
}

TEST(SettingsRules, EachStoreWritesItsOneValueWithTheFixedText) {
    MemorySettingsStore store;
    StoreSoundMode(store, SoundMode::NoSound);
    StoreLanguage(store, Language::Dutch);
    StoreOctave(store, true);
    StoreSoundMode(store, SoundMode::GuitarArpeggio);
    StoreLanguage(store, Language::English);
    StoreOctave(store, false);
    EXPECT_EQ(store.Writes(), (Writes{{"Midi", "GeenMidi"},
                                      {"Taal", "Nederlands"},
                                      {"Octaaf", "Hoog"},
                                      {"Midi", "Guitar"},
                                      {"Taal", "Engels"},
                                      {"Octaaf", "Laag"}}));
}

TEST(SettingsRules, TheOutputIsReadLastAsTheWholeNameAndLeavesTheOtherValuesAlone) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadSettings(store).output, "");
    store.Set(OutputValueName, std::string("Stage Piano: Port 1\0x", 21));
    store.Set(SoundModeValueName, "Piano");
    const StoredSettings read = ReadSettings(store);
    EXPECT_EQ(read.output, "Stage Piano: Port 1");
    EXPECT_EQ(read.soundMode, SoundMode::PianoArpeggio);
    EXPECT_EQ(read.language, Language::English);
    StoreOutput(store, "Synthé:in");
    StoreOutput(store, "");
    EXPECT_EQ(store.Writes(), (Writes{{"MidiUit", "Synthé:in"}, {"MidiUit", ""}}));
}

TEST(SettingsRules, AFailedStoreIsSilentAndChangesNothing) {
    MemorySettingsStore store;
    store.Set(LanguageValueName, "Frans");
    store.SetFailWrites(true);
    StoreLanguage(store, Language::Dutch);
    StoreOctave(store, true);
    EXPECT_EQ(store.Writes().size(), 2u);
    EXPECT_EQ(ReadLanguageSetting(store), Language::French);
    EXPECT_FALSE(ReadOctaveSetting(store));
}

}  // namespace
}  // namespace vorlane
