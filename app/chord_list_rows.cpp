#include "app/chord_list_rows.h"

namespace vorlane {

std::string ChordRowText(const ChordValue& chord, const MusicalKey& key, Language language) {
    std::string text = ChordName(chord);
    const Inversion inversion = EffectiveInversion(chord);
    if (inversion != Inversion::RootPosition) {
        text.append(", ").append(
            TextsFor(language).inversionItems[static_cast<std::size_t>(inversion)]);
    }
    text.append(":   ").append(ChordNoteNames(chord));
    text.append("   (").append(RomanNumeral(chord, key)).append(")");
    return text;
}

MusicalKey DefaultKey(std::span<const ChordValue> chords) {
    return {chords.empty() ? KeyNumber{1} : chords.front().root, false};
}

}  // namespace vorlane
