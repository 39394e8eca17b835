#include "theory/scale.h"

namespace vorlane {

namespace {

// The chords of the root's key in the order the line lists them: semitones above the root
// and the suffix written after the name.
struct CompatibleChord {
    int semitones;
    std::string_view suffix;
};
constexpr std::array<CompatibleChord, 7> kCompatibleChords = {{
    {0, ""},
    {5, ""},
    {7, ""},
    {2, "m"},
    {9, "m"},
    {4, "m"},
    {11, "\u00b0 (DIM)"},
}};

constexpr int kScaleNoteCount = 8;

}  // namespace

DegreeKeys ComputeDegreeKeys(KeyNumber root) {
    DegreeKeys keys{};
    for (std::size_t d = 1; d < keys.size(); ++d) {
        keys[d] = root + MajorScaleOffsets[d];
    }
    return keys;
}

std::string BuildScaleLine(std::string_view scaleCaption, KeyNumber root, Spelling spelling) {
    std::string line{scaleCaption};
    line += ' ';
    line += NoteName(root, spelling);
    line += ":   ";
    const DegreeKeys keys = ComputeDegreeKeys(root);
    for (int d = 1; d <= kScaleNoteCount; ++d) {
        line += NoteName(keys[static_cast<std::size_t>(d)], spelling);
        if (d < kScaleNoteCount) {
            line += " - ";
        }
    }
    return line;
}

std::string BuildCompatibleLine(std::string_view compatibleCaption, KeyNumber root,
                                Spelling spelling) {
    std::string line{compatibleCaption};
    line += ": ";
    for (std::size_t i = 0; i < kCompatibleChords.size(); ++i) {
        if (i > 0) {
            line += ", ";
        }
        line += NoteName(root + kCompatibleChords[i].semitones, spelling);
        line += kCompatibleChords[i].suffix;
    }
    return line;
}

}  // namespace vorlane
