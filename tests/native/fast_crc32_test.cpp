#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "fast_crc32.h"
#include "pseudo_random.h"

namespace {

// Every length and alignment around the folding's 16- and 64-byte steps, and
// a running CRC carried across calls, must match zlib's.
TEST(FastCrc32, MatchesZlib) {
    const std::string noise = lx::test::NoiseBytes(4096 + 64, 12345);
    const std::vector<uint8_t> data(noise.begin(), noise.end());
    const size_t lengths[] = {0, 1, 15, 16, 17, 63, 64, 65, 79, 80, 127, 128, 129, 200, 1000, 4095, 4096};
    for (const size_t offset : {0, 1, 7, 13}) {
        for (const size_t length : lengths) {
            SCOPED_TRACE(testing::Message() << "offset " << offset << " length " << length);
            const uint8_t* p = data.data() + offset;
            const auto expected = static_cast<uint32_t>(crc32(0, p, static_cast<uInt>(length)));
            EXPECT_EQ(lx::zip::UpdateCrc32(0, p, length), expected);
            const size_t half = length / 3;
            EXPECT_EQ(lx::zip::UpdateCrc32(lx::zip::UpdateCrc32(0, p, half), p + half, length - half), expected);
        }
    }
    EXPECT_EQ(lx::zip::UpdateCrc32(0, reinterpret_cast<const uint8_t*>("123456789"), 9), 0xCBF43926u);
}

}  // namespace
