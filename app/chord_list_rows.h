#pragma once

#include <string>

#include "i18n/language_texts.h"
#include "theory/chord_value.h"

namespace vorlane {

// A row of the chord list: the chord's name as the chord line writes it, the inversion in
// words where the chord is inverted, then its notes: "Dm7:   D - F - A - C",
// "C, 1st reversal:   C - E - G".
std::string ChordRowText(const ChordValue& chord, Language language);

}  // namespace vorlane
