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
                           std::initializer_list<ChordTone> tones, bool invertible) {
    ChordTypeRow row{name, suffix, {}, 0, invertible};
    for (ChordTone tone : tones) {
        row.tones[static_cast<std::size_t>(row.toneCount++)] = tone;
    }
    return row;
}

}  // namespace

// clang-format off
const std::array<ChordTypeRow, kChordTypeCount> ChordTypeTable = {{
    Row("Major",       "",                   {T(1), T(3), T(5)},                               true),
    Row("Minor",       "m",                  {T(1), flat(3), T(5)},                            true),
    Row("Seventh",     "7",                  {T(1), T(3), T(5), flat(7)},                      true),
    Row("Augmented",   "+ (AUG)",            {T(1), T(3), sharp(5)},                           true),
    Row("Diminished",  "\u00b0 (DIM)",       {T(1), flat(3), flat(5)},                         true),
    Row("Minor7",      "m7",                 {T(1), flat(3), T(5), flat(7)},                   true),
    Row("Major7",      "M7 (MAJ)",           {T(1), T(3), T(5), T(7)},                         true),
    Row("MinorMajor7", "m/M7 (MAJ)",         {T(1), flat(3), T(5), T(7)},                      true),
    Row("SevenFlat5",  "7-5 (b5)",           {T(1), T(3), flat(5), flat(7)},                   true),
    Row("SevenSharp5", "7+5 (#5)",           {T(1), T(3), sharp(5), flat(7)},                  true),
    Row("Sixth",       "6",                  {T(1), T(3), T(5), T(6)},                         true),
    Row("Minor6",      "m6",                 {T(1), flat(3), T(5), T(6)},                      true),
    Row("SixNine",     "6/9",                {T(1), T(3), T(5), T(6), T(9)},                   false),
    Row("Ninth",       "9",                  {T(1), T(3), T(5), flat(7), T(9)},                false),
    Row("Minor9",      "m9",                 {T(1), flat(3), T(5), flat(7), T(9)},             false),
    Row("MinorMajor9", "m/M9 (MAJ)",         {T(1), flat(3), T(5), T(7), T(9)},                false),
    Row("Eleventh",    "11",                 {T(1), T(3), T(5), flat(7), T(9), T(11)},         false),
    Row("Minor11",     "m11",                {T(1), flat(3), T(5), flat(7), T(9), T(11)},      false),
    Row("Major11",     "M11 (MAJ)",          {T(1), T(3), T(5), T(7), T(9), T(11)},            false),
    Row("Thirteenth",  "13",                 {T(1), T(3), T(5), flat(7), T(9), T(11), T(13)},  false),
    Row("Minor13",     "m13",                {T(1), flat(3), T(5), flat(7), T(9), T(11), T(13)}, false),
    Row("Major13",     "M13 (MAJ)",          {T(1), T(3), T(5), T(7), T(9), T(11), T(13)},     false),
    Row("Sus2",        "sus2",               {T(1), T(2), T(5)},                               true),
    Row("Sus4",        "sus4",               {T(1), T(4), T(5)},                               true),
}};
// clang-format on

std::optional<ChordType> ChordTypeByName(std::string_view name) {
    auto sameIgnoringCase = [](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                   std::tolower(static_cast<unsigned char>(y));
        });
    };
    for (ChordType t : AllChordTypes) {
        if (sameIgnoringCase(RowOf(t).typeName, name)) {
            return t;
        }
    }
    return std::nullopt;
}

}  // namespace vorlane
