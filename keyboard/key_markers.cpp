#include "keyboard/key_markers.h"

namespace vorlane {

namespace {

constexpr int kWhiteKeyY = 128;
constexpr int kBlackKeyY = 80;

// Marker x of each pitch class in the three octaves of the picture; measured off the
// keyboard drawing, so they follow no formula.
constexpr std::array<std::array<int, 3>, 12> kMarkerX = {{
    {14, 249, 485},
    {32, 270, 505},
    {48, 282, 519},
    {61, 298, 534},
    {80, 316, 552},
    {114, 350, 586},
    {134, 371, 607},
    {148, 383, 620},
    {165, 402, 638},
    {182, 418, 654},
    {196, 433, 669},
    {216, 452, 688},
}};

constexpr bool IsBlackPitchClass(int pc) {
    return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

constexpr std::array<MarkerPosition, kHighestKey + 1> MakePositions() {
    std::array<MarkerPosition, kHighestKey + 1> positions{};
    for (KeyNumber k = kLowestKey; k <= kHighestKey; ++k) {
        const int pc = (k - 1) % 12;
        const int octave = (k - 1) / 12;
        positions[static_cast<std::size_t>(k)] = {
            kMarkerX[static_cast<std::size_t>(pc)][static_cast<std::size_t>(octave)],
            IsBlackPitchClass(pc) ? kBlackKeyY : kWhiteKeyY};
    }
    return positions;
}

}  // namespace

const std::array<MarkerPosition, kHighestKey + 1> KeyMarkerPositions = MakePositions();

std::optional<int> MarkerSlotOfDegree(int degree) {
    for (std::size_t slot = 0; slot < MarkerDegrees.size(); ++slot) {
        if (MarkerDegrees[slot] == degree) {
            return static_cast<int>(slot);
        }
    }
    return std::nullopt;
}

}  // namespace vorlane
