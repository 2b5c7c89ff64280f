#include "fast_crc32.h"

#include <zlib.h>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define LX_CRC32_FOLDING 1
#endif

namespace lx::zip {

#ifdef LX_CRC32_FOLDING
namespace {

#define LX_FOLDING_TARGET __attribute__((target("pclmul,sse4.1")))

LX_FOLDING_TARGET inline __m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

LX_FOLDING_TARGET inline __m128i Fold(__m128i x, __m128i k, __m128i next) {
    const __m128i low = _mm_clmulepi64_si128(x, k, 0x00);
    const __m128i high = _mm_clmulepi64_si128(x, k, 0x11);
    return _mm_xor_si128(_mm_xor_si128(high, low), next);
}

// Folds 64-byte blocks with PCLMULQDQ and reduces the remainder by Barrett
// reduction (Gopal et al., "Fast CRC Computation for Generic Polynomials
// Using PCLMULQDQ", Intel, 2009), in the bit-reflected domain. `size` is a
// multiple of 16, at least 64; `crc` is taken and returned inverted.
LX_FOLDING_TARGET uint32_t FoldCrc32(const uint8_t* data, size_t size, uint32_t crc) {
    alignas(16) static const uint64_t k1k2[] = {0x0154442bd4, 0x01c6e41596};
    alignas(16) static const uint64_t k3k4[] = {0x01751997d0, 0x00ccaa009e};
    alignas(16) static const uint64_t k5k0[] = {0x0163cd6124, 0x0000000000};
    alignas(16) static const uint64_t poly[] = {0x01db710641, 0x01f7011641};

    __m128i x1 = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(crc)));
    __m128i x2 = Load(data + 16);
    __m128i x3 = Load(data + 32);
    __m128i x4 = Load(data + 48);
    data += 64;
    size -= 64;
    __m128i k = _mm_load_si128(reinterpret_cast<const __m128i*>(k1k2));
    while (size >= 64) {
        x1 = Fold(x1, k, Load(data));
        x2 = Fold(x2, k, Load(data + 16));
        x3 = Fold(x3, k, Load(data + 32));
        x4 = Fold(x4, k, Load(data + 48));
        data += 64;
        size -= 64;
    }
    k = _mm_load_si128(reinterpret_cast<const __m128i*>(k3k4));
    x1 = Fold(x1, k, x2);
    x1 = Fold(x1, k, x3);
    x1 = Fold(x1, k, x4);
    while (size >= 16) {
        x1 = Fold(x1, k, Load(data));
        data += 16;
        size -= 16;
    }

    // 128 bits to 64.
    const __m128i mask = _mm_setr_epi32(~0, 0, ~0, 0);
    __m128i x2b = _mm_clmulepi64_si128(x1, k, 0x10);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), x2b);
    k = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(k5k0));
    x2b = _mm_srli_si128(x1, 4);
    x1 = _mm_clmulepi64_si128(_mm_and_si128(x1, mask), k, 0x00);
    x1 = _mm_xor_si128(x1, x2b);

    // Barrett reduction to 32 bits.
    k = _mm_load_si128(reinterpret_cast<const __m128i*>(poly));
    x2b = _mm_clmulepi64_si128(_mm_and_si128(x1, mask), k, 0x10);
    x2b = _mm_clmulepi64_si128(_mm_and_si128(x2b, mask), k, 0x00);
    x1 = _mm_xor_si128(x1, x2b);
    return static_cast<uint32_t>(_mm_extract_epi32(x1, 1));
}

bool HasFolding() {
    static const bool has = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    return has;
}

}  // namespace
#endif

uint32_t UpdateCrc32(uint32_t crc, const uint8_t* data, size_t size) {
#ifdef LX_CRC32_FOLDING
    if (size >= 64 && HasFolding()) {
        const size_t folded = size & ~size_t{15};
        crc = ~FoldCrc32(data, folded, ~crc);
        data += folded;
        size -= folded;
    }
#endif
    // zlib takes the length as a 32-bit count.
    while (size > 0) {
        const uInt piece = static_cast<uInt>(size > (1u << 30) ? (1u << 30) : size);
        crc = static_cast<uint32_t>(crc32(crc, data, piece));
        data += piece;
        size -= piece;
    }
    return crc;
}

}  // namespace lx::zip
