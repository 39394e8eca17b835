#pragma once

#include <string>
#include <string_view>

#include "i18n/language_texts.h"
#include "midi/sound_mode.h"
#include "settings/settings_store.h"

namespace vorlane {

// The persisted choices: value names and the texts stored for each choice.
inline constexpr std::string_view LanguageValueName = "Taal";
inline constexpr std::string_view SoundModeValueName = "Midi";
inline constexpr std::string_view OctaveValueName = "Octaaf";
// The MIDI destination sound goes to, by its patchbay name; absent or empty: the built-in synth.
inline constexpr std::string_view OutputValueName = "MidiUit";

std::string_view LanguageSettingText(Language language);     // "Engels", "Frans", "Nederlands"
std::string_view SoundModeSettingText(SoundMode soundMode);  // "GeenMidi", "Hammond", ...
std::string_view OctaveSettingText(bool octaveHigher);       // "Hoog" or "Laag"

// Stored text back to a choice: only the exact texts (case-sensitive, whole text) select
// anything but the default.
Language LanguageFromSettingText(std::string_view text);
SoundMode SoundModeFromSettingText(std::string_view text);
bool OctaveFromSettingText(std::string_view text);

// A value's text as the read rules see it: empty when missing, cut at its first NUL.
std::string ReadSettingText(SettingsStore& store, std::string_view name);

Language ReadLanguageSetting(SettingsStore& store);
SoundMode ReadSoundModeSetting(SettingsStore& store);
bool ReadOctaveSetting(SettingsStore& store);
std::string ReadOutputSetting(SettingsStore& store);

struct StoredSettings {
    Language language = Language::English;
    SoundMode soundMode = SoundMode::NoSound;
    bool octaveHigher = false;
    std::string output;  // empty: the built-in synth
};

// Reads "Taal", then "Midi", then "Octaaf", then "MidiUit".
StoredSettings ReadSettings(SettingsStore& store);

// Each writes its one value; a failed write is dropped without a word, the choice simply stays
// in effect for this run.
void StoreLanguage(SettingsStore& store, Language language);
void StoreSoundMode(SettingsStore& store, SoundMode soundMode);
void StoreOctave(SettingsStore& store, bool octaveHigher);
void StoreOutput(SettingsStore& store, std::string_view destination);

}  // namespace vorlane
