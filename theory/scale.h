#pragma once

#include <array>
#include <string>
#include <string_view>

#include "theory/notes.h"

namespace vorlane {

// Semitones of the major-scale degrees 1..13 above the root; entry 0 is unused.
inline constexpr std::array<int, 14> MajorScaleOffsets = {0,  0,  2,  4,  5,  7,  9,
                                                          11, 12, 14, 16, 17, 19, 21};

// KeyNumbers of the degrees 1..13 of the root's major scale; entry 0 is unused (0).
using DegreeKeys = std::array<KeyNumber, 14>;

DegreeKeys ComputeDegreeKeys(KeyNumber root);

// "<caption> <root>:   n1 - n2 - ... - n8": the major scale from the root to its octave.
std::string BuildScaleLine(std::string_view scaleCaption, KeyNumber root, Spelling spelling);

// "<caption>: I, IV, V, iim, vim, iiim, vii° (DIM)" for the key of the root.
std::string BuildCompatibleLine(std::string_view compatibleCaption, KeyNumber root,
                                Spelling spelling);

}  // namespace vorlane
