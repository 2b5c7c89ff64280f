// Lists every entry of an archive held in memory and extracts each into a
// sink that only counts, with small caps.
#include <cstddef>
#include <cstdint>

#include "byte_source.h"
#include "entry_name_safety.h"
#include "zip_reader.h"

namespace {

class CountingSink final : public lx::zip::ByteSink {
public:
    bool Write(const uint8_t*, size_t size) override {
        written += size;
        return true;
    }
    uint64_t written = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lx::zip::MemorySource source({data, size});
    lx::zip::ZipReader reader(source, {.maxTotalSize = 1 << 20, .maxEntries = 1000});
    if (!reader.Open() || !reader.First())
        return 0;
    do {
        const auto& entry = reader.Current();
        (void)lx::zip::IsSafeEntryName(entry.name);
        CountingSink sink;
        if (reader.Extract(sink) && sink.written != entry.uncompressedSize)
            __builtin_trap();
    } while (reader.Next());
    return 0;
}
