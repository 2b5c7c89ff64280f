#pragma once
// Small zip archives for the tests and benchmarks, stored (uncompressed)
// entries only.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lx::test {

struct ZipEntry {
    std::string name;  // as stored: "/" separators, UTF-8
    std::string data;
    // A wrong checksum to record instead of the real one.
    std::optional<std::uint32_t> crc32 = std::nullopt;
};

std::string ZipArchive(const std::vector<ZipEntry>& entries);

}  // namespace lx::test
