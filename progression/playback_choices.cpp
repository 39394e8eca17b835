#include "progression/playback_choices.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "progression/playback.h"
#include "settings/settings_rules.h"

namespace vorlane {

namespace {

constexpr std::string_view kOn = "Ja";
constexpr std::string_view kOff = "Nee";

int ReadNumber(SettingsStore& store, std::string_view name, int fallback, int lowest, int highest) {
    const std::string text = ReadSettingText(store, name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return fallback;
    }
    return std::clamp(value, lowest, highest);
}

bool ReadSwitch(SettingsStore& store, std::string_view name) {
    return ReadSettingText(store, name) == kOn;
}

}  // namespace

PlaybackChoices ReadPlaybackChoices(SettingsStore& store) {
    const PlaybackChoices defaults;
    return {ReadNumber(store, ListTempoValueName, defaults.bpm, kLowestTempo, kHighestTempo),
            ReadNumber(store, ListBeatsValueName, defaults.beatsPerChord, kFewestBeatsPerChord,
                       kMostBeatsPerChord),
            ReadSwitch(store, ListLoopValueName), ReadSwitch(store, ListSmoothVoicingValueName)};
}

void StorePlaybackChoices(SettingsStore& store, const PlaybackChoices& choices,
                          const PlaybackChoices& before) {
    if (choices.bpm != before.bpm) {
        store.WriteText(ListTempoValueName, std::to_string(choices.bpm));
    }
    if (choices.beatsPerChord != before.beatsPerChord) {
        store.WriteText(ListBeatsValueName, std::to_string(choices.beatsPerChord));
    }
    if (choices.loop != before.loop) {
        store.WriteText(ListLoopValueName, choices.loop ? kOn : kOff);
    }
    if (choices.smoothVoicing != before.smoothVoicing) {
        store.WriteText(ListSmoothVoicingValueName, choices.smoothVoicing ? kOn : kOff);
    }
}

}  // namespace vorlane
