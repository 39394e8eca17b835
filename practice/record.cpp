#include "practice/record.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>

namespace vorlane {

namespace {

constexpr std::string_view kHeader = "Vorlane practice record 1";
constexpr std::array<std::string_view, 2> kDrillWords = {"play", "name"};
constexpr std::array<std::string_view, 3> kOutcomeWords = {"right", "wrong", "shown"};
constexpr int kMaxBox = 9;

template <typename Enum, std::size_t N>
std::optional<Enum> FromWord(const std::array<std::string_view, N>& words, std::string_view w) {
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == w) {
            return static_cast<Enum>(i);
        }
    }
    return std::nullopt;
}

template <typename Enum, std::size_t N>
std::string_view ToWord(const std::array<std::string_view, N>& words, Enum value) {
    return words[static_cast<std::size_t>(value)];
}

std::optional<std::int64_t> Number(std::string_view word, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// Only the table's exact spelling of a type name.
std::optional<ChordType> TypeNamed(std::string_view name) {
    const std::optional<ChordType> type = ChordTypeByName(name);
    if (!type || RowOf(*type).typeName != name) {
        return std::nullopt;
    }
    return type;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        words.push_back(line.substr(0, space));
        line = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
    }
    return words;
}

// "chord ROOT TYPE INVERSION box BOX"
std::optional<std::pair<ChordKey, int>> ParseChord(const std::vector<std::string_view>& w) {
    if (w.size() != 6 || w[0] != "chord" || w[4] != "box") {
        return std::nullopt;
    }
    const auto root = Number(w[1], 0, 11);
    const auto type = TypeNamed(w[2]);
    const auto inversion = Number(w[3], 0, 2);
    const auto box = Number(w[5], 0, kMaxBox);
    if (!root || !type || !inversion || !box) {
        return std::nullopt;
    }
    return std::pair{ChordKey{static_cast<int>(*root), *type, static_cast<Inversion>(*inversion)},
                     static_cast<int>(*box)};
}

// "answer DRILL OUTCOME MS none" or "answer DRILL OUTCOME MS ROOT|- TYPE"
std::optional<AnswerEntry> ParseAnswer(const std::vector<std::string_view>& w) {
    if ((w.size() != 5 && w.size() != 6) || w[0] != "answer") {
        return std::nullopt;
    }
    const auto drill = FromWord<Drill>(kDrillWords, w[1]);
    const auto outcome = FromWord<Outcome>(kOutcomeWords, w[2]);
    const auto ms = Number(w[3], 0, std::int64_t{1} << 40);
    if (!drill || !outcome || !ms) {
        return std::nullopt;
    }
    AnswerEntry entry{*drill, *outcome, *ms, std::nullopt};
    if (w.size() == 5) {
        return w[4] == "none" ? std::optional{entry} : std::nullopt;
    }
    const auto root = w[4] == "-" ? std::optional<std::int64_t>{-1} : Number(w[4], 0, 11);
    const auto type = TypeNamed(w[5]);
    if (!root || !type) {
        return std::nullopt;
    }
    entry.answered = Answered{static_cast<int>(*root), *type};
    return entry;
}

}  // namespace

void Record::Add(const ChordKey& chord, const AnswerEntry& answer) {
    std::vector<AnswerEntry>& answers = chords_[chord].answers;
    answers.push_back(answer);
    if (answers.size() > kKeptAnswers) {
        answers.erase(answers.begin());
    }
}

int Record::Box(const ChordKey& chord) const {
    const auto found = chords_.find(chord);
    return found == chords_.end() ? 0 : found->second.box;
}

void Record::SetBox(const ChordKey& chord, int box) {
    chords_[chord].box = std::clamp(box, 0, kMaxBox);
}

std::optional<std::int64_t> MedianMs(std::vector<std::int64_t> times) {
    if (times.empty()) {
        return std::nullopt;
    }
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

std::vector<TypeSummary> Record::ByType() const {
    std::vector<TypeSummary> summaries;
    for (ChordType type : AllChordTypes) {
        TypeSummary summary{type, 0, 0, std::nullopt};
        std::vector<std::int64_t> times;
        for (const auto& [key, chord] : chords_) {
            if (key.type != type) {
                continue;
            }
            for (const AnswerEntry& answer : chord.answers) {
                ++summary.attempts;
                if (answer.outcome == Outcome::Right) {
                    ++summary.right;
                    times.push_back(answer.ms);
                }
            }
        }
        if (summary.attempts > 0) {
            summary.medianMs = MedianMs(std::move(times));
            summaries.push_back(summary);
        }
    }
    return summaries;
}

std::vector<Confusion> Record::Confusions() const {
    std::vector<Confusion> confusions;
    for (const auto& [key, chord] : chords_) {
        for (const AnswerEntry& answer : chord.answers) {
            if (answer.outcome != Outcome::Wrong) {
                continue;
            }
            std::optional<ChordType> answered;
            if (answer.answered) {
                answered = answer.answered->type;
            }
            if (answered == key.type) {
                continue;  // the right type on another root
            }
            auto same = [&](const Confusion& c) {
                return c.asked == key.type && c.drill == answer.drill && c.answered == answered;
            };
            auto found = std::find_if(confusions.begin(), confusions.end(), same);
            if (found == confusions.end()) {
                confusions.push_back({key.type, answer.drill, answered, 1});
            } else {
                ++found->count;
            }
        }
    }
    std::stable_sort(confusions.begin(), confusions.end(),
                     [](const Confusion& a, const Confusion& b) { return a.count > b.count; });
    return confusions;
}

std::string RecordText(const Record& record) {
    std::ostringstream out;
    out << kHeader << '\n';
    for (const auto& [key, chord] : record.Chords()) {
        out << "chord " << key.root << ' ' << RowOf(key.type).typeName << ' '
            << static_cast<int>(key.inversion) << " box " << chord.box << '\n';
        for (const AnswerEntry& a : chord.answers) {
            out << "answer " << ToWord(kDrillWords, a.drill) << ' '
                << ToWord(kOutcomeWords, a.outcome) << ' ' << a.ms << ' ';
            if (!a.answered) {
                out << "none\n";
                continue;
            }
            if (a.answered->root < 0) {
                out << '-';
            } else {
                out << a.answered->root;
            }
            out << ' ' << RowOf(a.answered->type).typeName << '\n';
        }
    }
    return out.str();
}

std::optional<Record> ParseRecord(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            return std::nullopt;  // a file cut short
        }
        lines.push_back(text.substr(0, newline));
        text.remove_prefix(newline + 1);
    }
    if (lines.empty() || lines.front() != kHeader) {
        return std::nullopt;
    }
    Record record;
    std::optional<ChordKey> current;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = Words(lines[i]);
        if (const auto chord = ParseChord(words)) {
            if (record.Chords().contains(chord->first)) {
                return std::nullopt;
            }
            current = chord->first;
            record.SetBox(*current, chord->second);
        } else if (const auto answer = ParseAnswer(words); answer && current) {
            record.Add(*current, *answer);
        } else {
            return std::nullopt;
        }
    }
    return record;
}

}  // namespace vorlane
