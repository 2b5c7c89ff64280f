#pragma once
// CRC-32 as zlib's crc32() computes it, folded with carry-less multiplication
// where the processor has it: checking an entry then costs a fraction of
// inflating it.
#include <cstddef>
#include <cstdint>

namespace lx::zip {

uint32_t UpdateCrc32(uint32_t crc, const uint8_t* data, size_t size);

}  // namespace lx::zip
