#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlane {

enum class SoundMode { NoSound, GuitarArpeggio, HammondOrgan, PianoArpeggio };

// Everything that depends on the sound mode, one row each, in the order of the buttons.
struct SoundModeRow {
    SoundMode mode;
    std::string_view button;              // the window's radio button for it
    std::string_view settingText;         // the word stored in the settings
    std::optional<std::uint8_t> program;  // General MIDI program; none for no sound
    int arpeggioDelayMs;                  // between an arpeggio's notes; 0 sounds the chord at once
    std::string_view cliName;  // the value of the command line's --mode; none for no sound
};

inline constexpr std::array<SoundModeRow, 4> SoundModes = {{
    {SoundMode::NoSound, "NoSoundButton", "GeenMidi", std::nullopt, 0, ""},
    {SoundMode::HammondOrgan, "HammondButton", "Hammond", 16, 0, "organ"},
    {SoundMode::PianoArpeggio, "PianoArpeggioButton", "Piano", 0, 400, "piano"},
    {SoundMode::GuitarArpeggio, "GuitarArpeggioButton", "Guitar", 24, 100, "guitar"},
}};

constexpr const SoundModeRow& SoundModeInfo(SoundMode mode) {
    for (const SoundModeRow& row : SoundModes) {
        if (row.mode == mode) {
            return row;
        }
    }
    return SoundModes.front();
}

constexpr std::optional<std::uint8_t> GeneralMidiProgram(SoundMode mode) {
    return SoundModeInfo(mode).program;
}

constexpr bool IsArpeggio(SoundMode mode) {
    return SoundModeInfo(mode).arpeggioDelayMs > 0;
}

}  // namespace vorlane
