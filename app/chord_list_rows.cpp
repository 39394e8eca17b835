#include "app/chord_list_rows.h"

namespace vorlane {

std::string ChordRowText(const ChordValue& chord, Language language) {
    std::string text = ChordName(chord);
    const Inversion inversion = EffectiveInversion(chord);
    if (inversion != Inversion::RootPosition) {
        text.append(", ").append(
            TextsFor(language).inversionItems[static_cast<std::size_t>(inversion)]);
    }
    text.append(":   ").append(ChordNoteNames(chord));
    return text;
}

}  // namespace vorlane
