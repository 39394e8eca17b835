#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlane::testing {

// A random session with the headless main window. Each action is one random word that decodes
// on its own, so a failing sequence can be shrunk by dropping actions.
std::vector<std::uint32_t> SoakActions(std::uint64_t seed, std::size_t count);

struct SoakFailure {
    std::size_t action = 0;  // index of the action after which a check failed
    std::string what;
};

// Plays the actions on a fresh window and checks the window after each; empty when all held.
std::vector<SoakFailure> RunSoak(const std::vector<std::uint32_t>& actions);

std::string DescribeSoakAction(std::uint32_t action);

// Drops actions one at a time while the sequence still fails; returns the failing prefix shrunk.
std::vector<std::uint32_t> ShrinkSoak(std::vector<std::uint32_t> actions);

}  // namespace vorlane::testing
