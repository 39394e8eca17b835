#pragma once

#include <span>
#include <string>

#include "i18n/language_texts.h"
#include "theory/chord_value.h"
#include "theory/musical_key.h"

namespace vorlane {

// A row of the chord list: the chord's name as the chord line writes it, the inversion in
// words where the chord is inverted, its notes and its numeral in the list's key:
// "Dm7:   D - F - A - C   (ii7)", "C, 1st reversal:   C - E - G   (I)".
std::string ChordRowText(const ChordValue& chord, const MusicalKey& key, Language language);

// The key a list is read in until one is chosen: its first chord's root, major (C major for
// an empty list).
MusicalKey DefaultKey(std::span<const ChordValue> chords);

}  // namespace vorlane
