#pragma once

#include <array>
#include <optional>

#include "theory/notes.h"

namespace vorlane {

struct MarkerPosition {
    int x = 0;
    int y = 0;
};

// Top-left corner of a marker on each key, in keyboard-picture pixels, by KeyNumber 1..36;
// entry 0 is unused. y is 128 on white keys, 80 on black keys; every x is distinct.
extern const std::array<MarkerPosition, kHighestKey + 1> KeyMarkerPositions;

// The chord degree of each of the ten key markers, in marker order.
inline constexpr std::array<int, 10> MarkerDegrees = {1, 2, 3, 4, 5, 6, 7, 9, 11, 13};
inline constexpr int kKeyMarkerCount = 10;

// Marker slot (0..9) of a degree, or none for a degree without marker (8, 10, 12).
std::optional<int> MarkerSlotOfDegree(int degree);

}  // namespace vorlane
