#include "settings/settings_rules.h"

namespace vorlane {

std::string_view LanguageSettingText(Language language) {
    return LanguageInfo(language).settingText;
}

std::string_view SoundModeSettingText(SoundMode soundMode) {
    return SoundModeInfo(soundMode).settingText;
}

std::string_view OctaveSettingText(bool octaveHigher) {
    return octaveHigher ? "Hoog" : "Laag";
}

// An unknown or missing word falls back to English and to no sound.
Language LanguageFromSettingText(std::string_view text) {
    for (const LanguageRow& row : Languages) {
        if (row.settingText == text) {
            return row.language;
        }
    }
    return Language::English;
}

SoundMode SoundModeFromSettingText(std::string_view text) {
    for (const SoundModeRow& row : SoundModes) {
        if (row.settingText == text) {
            return row.mode;
        }
    }
    return SoundMode::NoSound;
}

bool OctaveFromSettingText(std::string_view text) {
    return text == "Hoog";
}

std::string ReadSettingText(SettingsStore& store, std::string_view name) {
    std::string text = store.ReadText(name).value_or(std::string());
    // Stored values are NUL-terminated texts; anything after a NUL is not part of the text.
    const auto nul = text.find('\0');
    if (nul != std::string::npos) {
        text.resize(nul);
    }
    return text;
}

Language ReadLanguageSetting(SettingsStore& store) {
    return LanguageFromSettingText(ReadSettingText(store, LanguageValueName));
}

SoundMode ReadSoundModeSetting(SettingsStore& store) {
    return SoundModeFromSettingText(ReadSettingText(store, SoundModeValueName));
}

bool ReadOctaveSetting(SettingsStore& store) {
    return OctaveFromSettingText(ReadSettingText(store, OctaveValueName));
}

std::string ReadOutputSetting(SettingsStore& store) {
    return ReadSettingText(store, OutputValueName);
}

StoredSettings ReadSettings(SettingsStore& store) {
    StoredSettings settings;
    settings.language = ReadLanguageSetting(store);
    settings.soundMode = ReadSoundModeSetting(store);
    settings.octaveHigher = ReadOctaveSetting(store);
    settings.output = ReadOutputSetting(store);
    return settings;
}

void StoreLanguage(SettingsStore& store, Language language) {
    store.WriteText(LanguageValueName, LanguageSettingText(language));
}

void StoreSoundMode(SettingsStore& store, SoundMode soundMode) {
    store.WriteText(SoundModeValueName, SoundModeSettingText(soundMode));
}

void StoreOctave(SettingsStore& store, bool octaveHigher) {
    store.WriteText(OctaveValueName, OctaveSettingText(octaveHigher));
}

void StoreOutput(SettingsStore& store, std::string_view destination) {
    store.WriteText(OutputValueName, destination);
}

}  // namespace vorlane
