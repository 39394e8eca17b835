#include "theory/chord_types.h"

#include <algorithm>
#include <cctype>

namespace vorlane {

namespace {

// Degree with alteration: flat(3) is the minor third, sharp(5) the raised fifth.
constexpr ChordTone T(int degree) {
    return {degree, 0};
}
constexpr ChordTone flat(int degree) {
    return {degree, -1};
}
constexpr ChordTone sharp(int degree) {
    return {degree, +1};
}

constexpr ChordTypeRow Row(std::string_view name, std::string_view suffix,
                           std::string_view placeholder, std::initializer_list<ChordTone> tones,
                           bool invertible) {
    ChordTypeRow row{name, suffix, placeholder, {}, 0, invertible};
    for (ChordTone tone : tones) {
        row.tones[static_cast<std::size_t>(row.toneCount++)] = tone;
    }
    return row;
}

}  // namespace

// clang-format off
const std::array<ChordTypeRow, kChordTypeCount> ChordTypeTable = {{
    Row("Major",       "",                   "Basis",               {T(1), T(3), T(5)},                               true),
    Row("Minor",       "m",                  "Xm",                  {T(1), flat(3), T(5)},                            true),
    Row("Seventh",     "7",                  "X7",                  {T(1), T(3), T(5), flat(7)},                      true),
    Row("Augmented",   "+ (AUG)",            "X+ (AUG)",            {T(1), T(3), sharp(5)},                           true),
    Row("Diminished",  "\u00b0 (DIM)",       "X\u00b0 (DIM)",       {T(1), flat(3), flat(5)},                         true),
    Row("Minor7",      "m7",                 "Xm7",                 {T(1), flat(3), T(5), flat(7)},                   true),
    Row("Major7",      "M7 (MAJ)",           "XM7 (MAJ)",           {T(1), T(3), T(5), T(7)},                         true),
    Row("MinorMajor7", "m/M7 (MAJ)",         "Xm/M7 (MAJ)",         {T(1), flat(3), T(5), T(7)},                      true),
    Row("SevenFlat5",  "7-5 (b5)",           "X7-5 (b5)",           {T(1), T(3), flat(5), flat(7)},                   true),
    Row("SevenSharp5", "7+5 (#5)",           "X7+5 (#5)",           {T(1), T(3), sharp(5), flat(7)},                  true),
    Row("Sixth",       "6",                  "X6",                  {T(1), T(3), T(5), T(6)},                         true),
    Row("Minor6",      "m6",                 "Xm6",                 {T(1), flat(3), T(5), T(6)},                      true),
    Row("SixNine",     "6/9",                "X6/9",                {T(1), T(3), T(5), T(6), T(9)},                   false),
    Row("Ninth",       "9",                  "X9",                  {T(1), T(3), T(5), flat(7), T(9)},                false),
    Row("Minor9",      "m9",                 "Xm9",                 {T(1), flat(3), T(5), flat(7), T(9)},             false),
    Row("MinorMajor9", "m/M9 (MAJ)",         "Xm/M9 (MAJ)",         {T(1), flat(3), T(5), T(7), T(9)},                false),
    Row("Eleventh",    "11",                 "X11",                 {T(1), T(3), T(5), flat(7), T(9), T(11)},         false),
    Row("Minor11",     "m11",                "Xm11",                {T(1), flat(3), T(5), flat(7), T(9), T(11)},      false),
    Row("Major11",     "M11 (MAJ)",          "XM11 (MAJ)",          {T(1), T(3), T(5), T(7), T(9), T(11)},            false),
    Row("Thirteenth",  "13",                 "X13",                 {T(1), T(3), T(5), flat(7), T(9), T(11), T(13)},  false),
    Row("Minor13",     "m13",                "Xm13",                {T(1), flat(3), T(5), flat(7), T(9), T(11), T(13)}, false),
    Row("Major13",     "M13 (MAJ)",          "XM13 (MAJ)",          {T(1), T(3), T(5), T(7), T(9), T(11), T(13)},     false),
    Row("Sus2",        "sus2",               "Xsus2",               {T(1), T(2), T(5)},                               true),
    Row("Sus4",        "sus4",               "Xsus4",               {T(1), T(4), T(5)},                               true),
}};
// clang-format on

std::optional<ChordType> ChordTypeByName(std::string_view name) {
    auto sameIgnoringCase = [](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                   std::tolower(static_cast<unsigned char>(y));
        });
    };
    for (ChordType t = 0; t < kChordTypeCount; ++t) {
        if (sameIgnoringCase(ChordTypeTable[static_cast<std::size_t>(t)].typeName, name)) {
            return t;
        }
    }
    return std::nullopt;
}

}  // namespace vorlane
