#pragma once
// Streaming reader of zip archives: walks the central directory and inflates
// one entry at a time through a fixed-size chunk, checking every bound.
#include <cstddef>
#include <cstdint>
#include <string>

#include "byte_source.h"
#include "zip_limits.h"

namespace lx::zip {

inline constexpr size_t kChunkSize = 20480;

struct EntryInfo {
    std::string rawName;
    std::u16string name;  // decoded, separators as stored
    std::string comment;
    uint16_t versionMadeBy = 0;
    uint16_t versionNeeded = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint32_t dosDateTime = 0;
    uint32_t crc32 = 0;
    uint64_t compressedSize = 0;
    uint64_t uncompressedSize = 0;
    uint16_t internalAttributes = 0;
    uint32_t externalAttributes = 0;
    uint64_t localHeaderOffset = 0;

    bool IsFolder() const { return !name.empty() && (name.back() == u'/' || name.back() == u'\\'); }
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(const uint8_t* data, size_t size) = 0;
};

class ZipReader {
public:
    explicit ZipReader(ByteSource& source, const Limits& limits = {}) : source_(source), limits_(limits) {}

    // Finds and checks the end records; false when this is no readable archive.
    bool Open();
    uint64_t EntryCount() const { return entryCount_; }

    // False on an empty archive or a damaged first record.
    bool First();
    // False after the last entry and on a damaged record; Failed() tells them apart.
    bool Next();
    bool Failed() const { return failed_; }
    bool HasCurrent() const { return hasCurrent_; }
    const EntryInfo& Current() const { return current_; }

    // Streams the current entry's data into the sink; false on an unsupported
    // method, damaged data, a CRC or size mismatch, or when the caps are exceeded.
    bool Extract(ByteSink& sink);

private:
    bool ReadCentralRecord(uint64_t offset);
    bool ApplyZip64Extra(std::string_view extra, bool wantUncompressed, bool wantCompressed, bool wantOffset,
                         bool wantDisk);
    bool FindDataStart(uint64_t& dataStart);
    bool CopyStored(uint64_t dataStart, ByteSink& sink, uint32_t& crc);
    bool Inflate(uint64_t dataStart, ByteSink& sink, uint32_t& crc);
    bool Fail();
    struct InflateContext;

    ByteSource& source_;
    Limits limits_;
    bool opened_ = false;
    uint64_t entryCount_ = 0;
    uint64_t directoryOffset_ = 0;
    uint64_t directoryEnd_ = 0;
    uint64_t recordOffset_ = 0;
    uint64_t recordSize_ = 0;
    uint64_t index_ = 0;
    bool hasCurrent_ = false;
    bool failed_ = false;
    uint64_t extractedTotal_ = 0;
    EntryInfo current_;
};

}  // namespace lx::zip
