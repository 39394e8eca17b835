#pragma once

#include <string_view>

#include "settings/settings_store.h"

namespace vorlane {

// How the list is heard, as the player left it last time.
struct PlaybackChoices {
    int bpm = 90;
    int beatsPerChord = 4;
    bool loop = false;
    bool smoothVoicing = false;

    friend bool operator==(const PlaybackChoices&, const PlaybackChoices&) = default;
};

// The settings values they are kept in; none of them is one of the main window's.
inline constexpr std::string_view ListTempoValueName = "LijstTempo";
inline constexpr std::string_view ListBeatsValueName = "LijstTellen";
inline constexpr std::string_view ListLoopValueName = "LijstHerhalen";
inline constexpr std::string_view ListSmoothVoicingValueName = "LijstSoepel";

// A missing or unreadable value is its default; a number out of range is brought into it.
PlaybackChoices ReadPlaybackChoices(SettingsStore& store);
// Writes the values that differ from `before`.
void StorePlaybackChoices(SettingsStore& store, const PlaybackChoices& choices,
                          const PlaybackChoices& before);

}  // namespace vorlane
