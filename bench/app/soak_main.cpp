// Runs the random-action soak of the main window for any seed and length:
//   bench_soak --seed N --actions M
// On a failure it prints the failing action sequence, shrunk, and exits with 1.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "tests/app/soak.h"

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    std::size_t count = 1000000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view flag = argv[i];
        if (flag == "--seed") {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (flag == "--actions") {
            count = std::strtoull(argv[i + 1], nullptr, 10);
        } else {
            std::cerr << "usage: bench_soak --seed N --actions M\n";
            return 2;
        }
    }
    using namespace vorlane::testing;
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::uint32_t> actions = SoakActions(seed, count);
    const std::vector<SoakFailure> failures = RunSoak(actions);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (failures.empty()) {
        std::cout << "seed " << seed << ": " << count << " actions passed in " << seconds << " s\n";
        return 0;
    }
    std::cout << "seed " << seed << ": failed after action " << failures[0].action << ": "
              << failures[0].what << "\nshrunk sequence:\n";
    for (std::uint32_t a : ShrinkSoak(actions)) {
        std::cout << "  " << DescribeSoakAction(a) << '\n';
    }
    return 1;
}
