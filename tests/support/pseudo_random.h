#pragma once
// Repeatable pseudo-random test data: the same starting value gives the same
// bytes on every platform, unlike the standard library's distributions.
#include <cstddef>
#include <cstdint>
#include <string>

namespace lx::test {

struct PseudoRandom {
    uint32_t state;
    uint32_t Next() { return state = state * 1664525 + 1013904223; }
};

// Incompressible bytes.
inline std::string NoiseBytes(size_t size, uint32_t state) {
    PseudoRandom random{state};
    std::string out(size, '\0');
    for (char& c : out)
        c = static_cast<char>(random.Next() >> 24);
    return out;
}

}  // namespace lx::test
