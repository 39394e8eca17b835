#include <gtest/gtest.h>

#include "progression/progression.h"

namespace vorlane {
namespace {

using Rows = std::vector<std::size_t>;

TEST(ReorderTest, MovesAndStepsKeepTheMovingRowsTogetherAndInOrder) {
    struct Case {
        const char* what;
        Rows order;
        Rows expected;
    };
    const Case cases[] = {
        {"one row down past two", OrderAfterMove(5, Rows{1}, 4), {0, 2, 3, 1, 4}},
        {"two apart to the top", OrderAfterMove(5, Rows{3, 1}, 0), {1, 3, 0, 2, 4}},
        {"to the end", OrderAfterMove(4, Rows{0, 2}, 4), {1, 3, 0, 2}},
        {"dropped amid themselves", OrderAfterMove(5, Rows{1, 3}, 2), {0, 1, 3, 2, 4}},
        {"onto its own place", OrderAfterMove(3, Rows{1}, 1), {0, 1, 2}},
        {"rows past the end ignored", OrderAfterMove(3, Rows{2, 7}, 0), {2, 0, 1}},
        {"step up", OrderAfterStep(5, Rows{1, 3}, true), {1, 0, 3, 2, 4}},
        {"step up held at the top", OrderAfterStep(4, Rows{0, 1, 3}, true), {0, 1, 3, 2}},
        {"step down", OrderAfterStep(5, Rows{0, 1}, false), {2, 0, 1, 3, 4}},
        {"step down held at the bottom", OrderAfterStep(3, Rows{0, 2}, false), {1, 0, 2}},
        {"nothing moves", OrderAfterStep(3, Rows{}, true), {0, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.order, c.expected) << c.what;
    }
}

}  // namespace
}  // namespace vorlane
