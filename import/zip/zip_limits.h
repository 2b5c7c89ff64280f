#pragma once
// Caps that keep a hostile archive from filling the disk.
#include <cstdint>

namespace lx::zip {

struct Limits {
    uint64_t maxTotalSize = 512ull * 1024 * 1024;  // bytes extracted from one archive
    uint64_t maxEntries = 100000;
};

}  // namespace lx::zip
