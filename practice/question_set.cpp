#include "practice/question_set.h"

#include <algorithm>
#include <array>

#include "settings/settings_rules.h"

namespace vorlane {

namespace {

constexpr std::array<int, 7> kWhiteKeys = {0, 2, 4, 5, 7, 9, 11};
constexpr std::string_view kOn = "Ja";
constexpr std::string_view kOff = "Nee";
constexpr std::string_view kWhiteRoots = "Wit";
constexpr std::string_view kAllRoots = "Alle";

ChordTypes Of(std::initializer_list<ChordType> types) {
    ChordTypes set;
    for (ChordType t : types) {
        set.set(static_cast<std::size_t>(NumberOf(t)));
    }
    return set;
}

// The type names, comma-separated, in table order.
std::string TypesText(const ChordTypes& types) {
    std::string text;
    for (ChordType t : AllChordTypes) {
        if (types.test(static_cast<std::size_t>(NumberOf(t)))) {
            if (!text.empty()) {
                text += ',';
            }
            text += RowOf(t).typeName;
        }
    }
    return text;
}

// None when a name is unknown or nothing is named.
std::optional<ChordTypes> TypesFromText(std::string_view text) {
    ChordTypes types;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        const std::optional<ChordType> type = ChordTypeByName(name);
        if (!type || RowOf(*type).typeName != name) {
            return std::nullopt;
        }
        types.set(static_cast<std::size_t>(NumberOf(*type)));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    if (types.none()) {
        return std::nullopt;
    }
    return types;
}

}  // namespace

ChordTypes TypesOf(TypeChoice choice) {
    switch (choice) {
        case TypeChoice::Triads:
            return Of(
                {ChordType::Major, ChordType::Minor, ChordType::Augmented, ChordType::Diminished});
        case TypeChoice::Sevenths:
            return Of({ChordType::Seventh, ChordType::Minor7, ChordType::Major7,
                       ChordType::MinorMajor7, ChordType::SevenFlat5, ChordType::SevenSharp5});
        case TypeChoice::All:
            break;
    }
    return ChordTypes{}.set();
}

std::vector<ChordKey> Questions(const QuestionSet& set) {
    std::vector<ChordKey> questions;
    for (int root = 0; root < 12; ++root) {
        const bool white =
            std::find(kWhiteKeys.begin(), kWhiteKeys.end(), root) != kWhiteKeys.end();
        if (set.whiteKeysOnly && !white) {
            continue;
        }
        for (ChordType t : AllChordTypes) {
            if (!set.types.test(static_cast<std::size_t>(NumberOf(t)))) {
                continue;
            }
            const int inversions = set.inversions && RowOf(t).invertible ? 3 : 1;
            for (int i = 0; i < inversions; ++i) {
                questions.push_back({root, t, static_cast<Inversion>(i)});
            }
        }
    }
    return questions;
}

bool BassMatters(const QuestionSet& set, ChordType type) {
    return set.inversions && RowOf(type).invertible;
}

QuestionSet ReadQuestionSet(SettingsStore& store) {
    QuestionSet set;
    set.whiteKeysOnly = ReadSettingText(store, PracticeRootsValueName) == kWhiteRoots;
    if (const auto types = TypesFromText(ReadSettingText(store, PracticeTypesValueName))) {
        set.types = *types;
    }
    set.inversions = ReadSettingText(store, PracticeInversionsValueName) == kOn;
    set.nameRoot = ReadSettingText(store, PracticeNameRootValueName) == kOn;
    return set;
}

void StoreQuestionSet(SettingsStore& store, const QuestionSet& set) {
    store.WriteText(PracticeRootsValueName, set.whiteKeysOnly ? kWhiteRoots : kAllRoots);
    store.WriteText(PracticeTypesValueName, TypesText(set.types));
    store.WriteText(PracticeInversionsValueName, set.inversions ? kOn : kOff);
    store.WriteText(PracticeNameRootValueName, set.nameRoot ? kOn : kOff);
}

}  // namespace vorlane
