#pragma once
// The best of several timed runs: the least disturbed by the rest of the
// machine. `prepare` runs before each timed run, outside the time.
#include <algorithm>
#include <chrono>
#include <functional>

namespace lx::bench {

inline double BestSeconds(int repetitions, const std::function<void()>& run,
                          const std::function<void()>& prepare = {}) {
    double best = 1e300;
    for (int i = 0; i < repetitions; ++i) {
        if (prepare)
            prepare();
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace lx::bench
