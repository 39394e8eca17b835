#include "practice/results_text.h"

namespace vorlane {

std::string TimeText(std::optional<std::int64_t> ms, const PracticeTexts& texts) {
    if (!ms) {
        return std::string{texts.noTime};
    }
    const std::int64_t tenths = (*ms + 50) / 100;
    std::string number = std::to_string(tenths / 10);
    number += texts.decimalSeparator;
    number += std::to_string(tenths % 10);
    return Fill(texts.seconds, {number});
}

std::string_view TypeWord(ChordType type, const PracticeTexts& texts) {
    return texts.typeNames[static_cast<std::size_t>(NumberOf(type))];
}

std::string ResultsText(const Record& record, const PracticeTexts& texts) {
    const std::vector<TypeSummary> summaries = record.ByType();
    if (summaries.empty()) {
        return std::string{texts.noResults};
    }
    std::string text;
    auto sentence = [&text](const std::string& s) {
        if (!text.empty()) {
            text += ' ';
        }
        text += s;
    };
    for (const TypeSummary& s : summaries) {
        const int percent = (s.right * 100 + s.attempts / 2) / s.attempts;
        sentence(Fill(texts.typeResult, {TypeWord(s.type, texts), std::to_string(s.attempts),
                                         std::to_string(percent), TimeText(s.medianMs, texts)}));
    }
    for (const Confusion& c : record.Confusions()) {
        const std::string_view answered = c.answered ? TypeWord(*c.answered, texts) : texts.noChord;
        sentence(Fill(c.drill == Drill::NameIt ? texts.heardAs : texts.playedAs,
                      {TypeWord(c.asked, texts), answered, std::to_string(c.count)}));
    }
    return text;
}

}  // namespace vorlane
