#pragma once

#include <cstdint>
#include <optional>

namespace vorlane {

enum class SoundMode { NoSound, GuitarArpeggio, HammondOrgan, PianoArpeggio };

// The General MIDI program each sounding mode plays; none for no sound.
constexpr std::optional<std::uint8_t> GeneralMidiProgram(SoundMode mode) {
    switch (mode) {
        case SoundMode::GuitarArpeggio:
            return 24;
        case SoundMode::HammondOrgan:
            return 16;
        case SoundMode::PianoArpeggio:
            return 0;
        case SoundMode::NoSound:
            break;
    }
    return std::nullopt;
}

}  // namespace vorlane
