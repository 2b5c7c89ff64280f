// Prints how long the alpha blur of a text-glow-sized surface takes for
// growing radii, relative to radius 1 and to copying the alpha bytes once in
// this process; ratios that stay flat as the radius grows show a cost per
// pixel independent of the radius.
#include "stack_blur.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "best_time.h"

namespace {

constexpr int kRepetitions = 7;
constexpr int32_t kWidth = 1024;
constexpr int32_t kHeight = 256;

double BestSeconds(const std::function<void()>& run) { return lx::bench::BestSeconds(kRepetitions, run); }

}  // namespace

int main() {
    std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight * 4);
    std::mt19937 random(1);
    for (uint8_t& byte : pixels)
        byte = static_cast<uint8_t>(random());
    std::vector<uint8_t> copy(static_cast<size_t>(kWidth) * kHeight);
    const double copySeconds = BestSeconds([&] {
        for (size_t i = 0; i < copy.size(); ++i)
            copy[i] = pixels[i * 4 + 3];
    });
    std::vector<uint8_t> work = pixels;
    const double base = BestSeconds([&] { lx::StackBlurAlpha(work, kWidth, kHeight, 1); });
    std::printf("stack blur of %dx%d alpha; copy of the alpha bytes %.3f ms\n", kWidth, kHeight, copySeconds * 1e3);
    std::printf("%6s %10s %12s %12s\n", "radius", "ms", "vs radius 1", "vs copy");
    for (int32_t radius : {1, 2, 4, 8, 16, 32, 64}) {
        const double seconds = BestSeconds([&] { lx::StackBlurAlpha(work, kWidth, kHeight, radius); });
        std::printf("%6d %10.3f %12.2f %12.1f\n", radius, seconds * 1e3, seconds / base, seconds / copySeconds);
    }
    return 0;
}
