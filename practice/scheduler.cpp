#include "practice/scheduler.h"

#include <algorithm>

namespace vorlane {

namespace {

// A chord not asked yet in this sitting counts as asked this many questions ago; a chord's
// chance stops growing after the longest wait.
constexpr std::int64_t kUnaskedWait = 2;
constexpr std::int64_t kLongestWait = 6;

bool IsBlackKey(int pitchClass) {
    return pitchClass == 1 || pitchClass == 3 || pitchClass == 6 || pitchClass == 8 ||
           pitchClass == 10;
}

}  // namespace

int Scheduler::NextBox(int box, Outcome outcome, bool firstAnswer, std::int64_t ms) {
    if (outcome != Outcome::Right) {
        return 0;
    }
    if (!firstAnswer) {
        return box;
    }
    return ms <= kSlowMs ? std::min(box + 1, kTopBox) : std::max(0, box - 1);
}

double Scheduler::Weight(const ChordKey& chord, const Record& record) const {
    const auto asked = askedAt_.find(chord);
    const std::int64_t wait =
        asked == askedAt_.end() ? kUnaskedWait : std::min(turn_ - asked->second, kLongestWait);
    const int box = std::clamp(record.Box(chord), 0, kTopBox);
    return static_cast<double>(wait) / static_cast<double>(std::int64_t{2} << box);
}

std::optional<ChordValue> Scheduler::Next(const std::vector<ChordKey>& set, const Record& record) {
    std::vector<double> weights;
    weights.reserve(set.size());
    for (const ChordKey& chord : set) {
        weights.push_back(chord == last_ && set.size() > 1 ? 0.0 : Weight(chord, record));
    }
    double total = 0;
    for (double w : weights) {
        total += w;
    }
    if (total <= 0) {
        return std::nullopt;
    }
    double lot = std::uniform_real_distribution<double>(0.0, total)(random_);
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (weights[i] <= 0) {
            continue;
        }
        drawn = i;  // the last one with a chance, should rounding leave some lot over
        if (lot < weights[i]) {
            break;
        }
        lot -= weights[i];
    }
    const ChordKey chosen = set[drawn];
    askedAt_[chosen] = turn_++;
    last_ = chosen;
    const bool sharp = IsBlackKey(chosen.root) && std::bernoulli_distribution(0.5)(random_);
    return ValueOf(chosen, sharp ? Spelling::Sharp : Spelling::Flat);
}

}  // namespace vorlane
