#include "stack_blur.h"

#include <vector>

namespace lx {

namespace {

// One pass over `count` samples `stride` apart: the weights r + 1 - |k| over
// k = -r..r form a "stack" whose sum moves along with two running totals, the
// samples entering on the right and those leaving on the left, kept in a ring
// of 2r + 1 values.
template <class In, class Out>
void BlurLine(const In* in, ptrdiff_t inStride, Out* out, ptrdiff_t outStride, int32_t count, int32_t radius,
              const std::vector<uint8_t>& divide, std::vector<uint32_t>& ring) {
    const int32_t size = 2 * radius + 1;
    auto sample = [&](int32_t index) -> uint32_t {
        index = index < 0 ? 0 : (index >= count ? count - 1 : index);
        return in[index * inStride];
    };
    uint32_t sum = 0;
    uint32_t sumIn = 0;
    uint32_t sumOut = 0;
    for (int32_t k = -radius; k <= radius; ++k) {
        const uint32_t value = sample(k);
        ring[k + radius] = value;
        sum += value * static_cast<uint32_t>(radius + 1 - (k < 0 ? -k : k));
        if (k <= 0)
            sumOut += value;
        else
            sumIn += value;
    }
    int32_t oldest = 0;  // ring slot of the sample at x - r
    for (int32_t x = 0; x < count; ++x) {
        out[x * outStride] = static_cast<Out>(divide[sum]);
        // Slide from x to x + 1.
        sum -= sumOut;
        sumOut -= ring[oldest];
        const uint32_t entering = sample(x + radius + 1);
        ring[oldest] = entering;
        oldest = oldest + 1 == size ? 0 : oldest + 1;
        sumIn += entering;
        sum += sumIn;
        const int32_t centreSlot = oldest + radius;
        const uint32_t centre = ring[centreSlot >= size ? centreSlot - size : centreSlot];  // sample at x + 1
        sumOut += centre;
        sumIn -= centre;
    }
}

}  // namespace

void StackBlurAlpha(std::span<uint8_t> pixels, int32_t width, int32_t height, int32_t radius) {
    if (radius < 1 || width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * height * 4)
        return;
    const uint32_t divisor = static_cast<uint32_t>(radius + 1) * static_cast<uint32_t>(radius + 1);
    std::vector<uint8_t> divide(256 * divisor);
    for (uint32_t s = 0; s < divide.size(); ++s)
        divide[s] = static_cast<uint8_t>(s / divisor);
    std::vector<uint32_t> ring(2 * radius + 1);
    std::vector<uint8_t> across(static_cast<size_t>(width) * height);
    for (int32_t y = 0; y < height; ++y)
        BlurLine(pixels.data() + static_cast<size_t>(y) * width * 4 + 3, 4, across.data() + static_cast<size_t>(y) * width,
                 1, width, radius, divide, ring);
    for (int32_t x = 0; x < width; ++x)
        BlurLine(across.data() + x, width, pixels.data() + static_cast<size_t>(x) * 4 + 3, ptrdiff_t{width} * 4, height,
                 radius, divide, ring);
}

}  // namespace lx
