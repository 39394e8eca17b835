#include <gtest/gtest.h>

#include "tests/app/soak.h"

namespace vorlane::testing {
namespace {

// Twenty thousand random user actions on one seed; a failure names the shrunk sequence.
TEST(SoakTest, RandomActionsKeepTheWindowConsistent) {
    const std::vector<std::uint32_t> actions = SoakActions(20261208, 20000);
    const std::vector<SoakFailure> failures = RunSoak(actions);
    if (!failures.empty()) {
        std::string steps;
        for (std::uint32_t a : ShrinkSoak(actions)) {
            steps += "\n  " + DescribeSoakAction(a);
        }
        FAIL() << "after action " << failures[0].action << ": " << failures[0].what
               << "\nshrunk:" << steps;
    }
}

}  // namespace
}  // namespace vorlane::testing
