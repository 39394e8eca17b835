#include "progression/progression.h"

#include <numeric>

namespace vorlane {

namespace {

std::vector<bool> Marked(std::size_t size, std::span<const std::size_t> rows) {
    std::vector<bool> marked(size, false);
    for (std::size_t row : rows) {
        if (row < size) {
            marked[row] = true;
        }
    }
    return marked;
}

}  // namespace

void Progression::Insert(std::size_t row, std::span<const ChordValue> chords) {
    chords_.insert(chords_.begin() + static_cast<std::ptrdiff_t>(row), chords.begin(),
                   chords.end());
}

void Progression::Erase(std::size_t row, std::size_t count) {
    const auto first = chords_.begin() + static_cast<std::ptrdiff_t>(row);
    chords_.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

void Progression::Reorder(std::span<const std::size_t> order) {
    std::vector<ChordValue> reordered;
    reordered.reserve(order.size());
    for (std::size_t from : order) {
        reordered.push_back(chords_[from]);
    }
    chords_ = std::move(reordered);
}

std::vector<std::size_t> OrderAfterMove(std::size_t size, std::span<const std::size_t> rows,
                                        std::size_t before) {
    const std::vector<bool> moving = Marked(size, rows);
    std::vector<std::size_t> order;
    std::vector<std::size_t> block;
    order.reserve(size);
    for (std::size_t row = 0; row < size; ++row) {
        (moving[row] ? block : order).push_back(row);
    }
    // Where `before` lands once the moving rows are gone.
    std::size_t at = 0;
    for (std::size_t row = 0; row < std::min(before, size); ++row) {
        at += moving[row] ? 0 : 1;
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), block.begin(), block.end());
    return order;
}

std::vector<std::size_t> OrderAfterStep(std::size_t size, std::span<const std::size_t> rows,
                                        bool up) {
    const std::vector<bool> moving = Marked(size, rows);
    std::vector<std::size_t> order(size);
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Each moving row swaps with a still neighbour; a moving neighbour holds it back.
    for (std::size_t k = 1; k < size; ++k) {
        const std::size_t i = up ? k : size - 1 - k;
        const std::size_t j = up ? i - 1 : i + 1;
        if (moving[order[i]] && !moving[order[j]]) {
            std::swap(order[i], order[j]);
        }
    }
    return order;
}

std::vector<std::size_t> InverseOrder(std::span<const std::size_t> order) {
    std::vector<std::size_t> inverse(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        inverse[order[i]] = i;
    }
    return inverse;
}

}  // namespace vorlane
