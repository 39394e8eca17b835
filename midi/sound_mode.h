#pragma once

namespace vorlane {

enum class SoundMode { NoSound, GuitarArpeggio, HammondOrgan, PianoArpeggio };

}  // namespace vorlane
