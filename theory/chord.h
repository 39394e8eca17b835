#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "theory/chord_types.h"
#include "theory/scale.h"

namespace vorlane {

enum class Inversion { RootPosition = 0, FirstInversion = 1, SecondInversion = 2 };

// One tone of a chord as it stands on the keyboard: its degree (which picks its marker) and
// its key after the inversion.
struct PlacedTone {
    int degree = 0;
    KeyNumber key = 0;
};

// The keys of the type's tones in table order, root position.
std::vector<KeyNumber> ChordToneKeys(ChordType type, const DegreeKeys& degreeKeys);

// The tones in table order with the inversion applied: the first tone (first inversion) or
// the first two tones (second inversion) an octave up; types that are not invertible ignore it.
std::vector<PlacedTone> PlaceChordTones(ChordType type, const DegreeKeys& degreeKeys,
                                        Inversion inversion);

// "<caption><root><suffix>:   n1 - n2 - ..." with root-position names; without a type only
// "<caption><root>".
std::string BuildChordLine(std::string_view chordCaption, std::optional<ChordType> type,
                           const DegreeKeys& degreeKeys, Spelling spelling);

}  // namespace vorlane
