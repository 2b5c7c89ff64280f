#include "zip_reader.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "fast_crc32.h"
#include "name_decoding.h"

namespace lx::zip {
namespace {

constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr size_t kEndSize = 22;
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kZip64EndSize = 56;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kMaxCommentSize = 65535;
constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kFlagStrongEncryption = 0x0040;
constexpr uint16_t kFlagUtf8 = 0x0800;
constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflated = 8;
constexpr uint16_t kZip64ExtraId = 0x0001;

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Get32(const uint8_t* p) { return Get16(p) | (static_cast<uint32_t>(Get16(p + 2)) << 16); }
uint64_t Get64(const uint8_t* p) { return Get32(p) | (static_cast<uint64_t>(Get32(p + 4)) << 32); }

// The range [offset, offset + size) lies within [0, limit).
bool Fits(uint64_t offset, uint64_t size, uint64_t limit) { return offset <= limit && size <= limit - offset; }

bool ReadString(ByteSource& source, uint64_t offset, size_t size, std::string& out) {
    out.resize(size);
    return source.ReadAt(offset, reinterpret_cast<uint8_t*>(out.data()), size);
}

// Raw inflate through zlib's call-back interface: the output is handed over
// straight from the 32 KiB window, with no copy into a separate buffer.
class InflateBackStream {
public:
    InflateBackStream() : window_(std::make_unique<unsigned char[]>(kWindowSize)) {
        ready_ = inflateBackInit(&stream_, MAX_WBITS, window_.get()) == Z_OK;
    }
    ~InflateBackStream() {
        if (ready_)
            inflateBackEnd(&stream_);
    }
    InflateBackStream(const InflateBackStream&) = delete;
    InflateBackStream& operator=(const InflateBackStream&) = delete;
    bool ready() const { return ready_; }
    z_stream& get() { return stream_; }

private:
    static constexpr size_t kWindowSize = size_t{1} << MAX_WBITS;
    std::unique_ptr<unsigned char[]> window_;
    z_stream stream_{};
    bool ready_ = false;
};

}  // namespace

bool ZipReader::Fail() {
    failed_ = true;
    hasCurrent_ = false;
    return false;
}

bool ZipReader::Open() {
    opened_ = false;
    hasCurrent_ = false;
    failed_ = false;
    extractedTotal_ = 0;
    const uint64_t size = source_.Size();
    if (size < kEndSize)
        return false;

    // The end record sits at the very end, before a comment of up to 64 KiB.
    const size_t tailSize = static_cast<size_t>(std::min<uint64_t>(size, kEndSize + kMaxCommentSize));
    const uint64_t tailOffset = size - tailSize;
    std::vector<uint8_t> tail(tailSize);
    if (!source_.ReadAt(tailOffset, tail.data(), tailSize))
        return false;
    // A comment may itself hold the signature: prefer the record whose comment
    // ends exactly at the end of the file, else take the last plausible one.
    size_t found = tailSize;
    for (size_t pos = tailSize - kEndSize + 1; pos-- > 0;) {
        const uint8_t* p = tail.data() + pos;
        if (Get32(p) != kEndSignature || Get16(p + 20) > tailSize - pos - kEndSize)
            continue;
        if (found == tailSize)
            found = pos;
        if (Get16(p + 20) == tailSize - pos - kEndSize) {
            found = pos;
            break;
        }
    }
    if (found == tailSize)
        return false;
    const uint8_t* end = tail.data() + found;
    const uint64_t endOffset = tailOffset + found;
    uint32_t disk = Get16(end + 4);
    uint32_t directoryDisk = Get16(end + 6);
    uint64_t entriesOnDisk = Get16(end + 8);
    uint64_t entries = Get16(end + 10);
    uint64_t directorySize = Get32(end + 12);
    uint64_t directoryOffset = Get32(end + 16);
    uint64_t recordsEnd = endOffset;

    uint8_t locator[kZip64LocatorSize];
    if (endOffset >= kZip64LocatorSize && source_.ReadAt(endOffset - kZip64LocatorSize, locator, sizeof locator) &&
        Get32(locator) == kZip64LocatorSignature) {
        const uint64_t locatorOffset = endOffset - kZip64LocatorSize;
        const uint64_t zip64EndOffset = Get64(locator + 8);
        if (Get32(locator + 4) != 0 || Get32(locator + 16) > 1 || !Fits(zip64EndOffset, kZip64EndSize, locatorOffset))
            return false;
        uint8_t record[kZip64EndSize];
        if (!source_.ReadAt(zip64EndOffset, record, sizeof record) || Get32(record) != kZip64EndSignature)
            return false;
        const uint64_t recordSize = Get64(record + 4);
        if (recordSize < kZip64EndSize - 12 || !Fits(zip64EndOffset + 12, recordSize, locatorOffset))
            return false;
        disk = Get32(record + 16);
        directoryDisk = Get32(record + 20);
        entriesOnDisk = Get64(record + 24);
        entries = Get64(record + 32);
        directorySize = Get64(record + 40);
        directoryOffset = Get64(record + 48);
        recordsEnd = zip64EndOffset;
    }

    if (disk != 0 || directoryDisk != 0 || entriesOnDisk != entries)
        return false;
    if (!Fits(directoryOffset, directorySize, recordsEnd))
        return false;
    if (entries > limits_.maxEntries || entries > directorySize / kCentralHeaderSize)
        return false;
    entryCount_ = entries;
    directoryOffset_ = directoryOffset;
    directoryEnd_ = directoryOffset + directorySize;
    opened_ = true;
    return true;
}

bool ZipReader::First() {
    hasCurrent_ = false;
    failed_ = false;
    index_ = 0;
    if (!opened_ || entryCount_ == 0)
        return false;
    return ReadCentralRecord(directoryOffset_);
}

bool ZipReader::Next() {
    if (!hasCurrent_)
        return false;
    const uint64_t nextOffset = recordOffset_ + recordSize_;
    if (index_ + 1 >= entryCount_) {
        hasCurrent_ = false;
        // Records left over mean the entry count is wrong.
        return nextOffset == directoryEnd_ ? false : Fail();
    }
    ++index_;
    return ReadCentralRecord(nextOffset);
}

bool ZipReader::ReadCentralRecord(uint64_t offset) {
    hasCurrent_ = false;
    uint8_t fixed[kCentralHeaderSize];
    if (!Fits(offset, sizeof fixed, directoryEnd_) || !source_.ReadAt(offset, fixed, sizeof fixed) ||
        Get32(fixed) != kCentralHeaderSignature)
        return Fail();
    const size_t nameSize = Get16(fixed + 28);
    const size_t extraSize = Get16(fixed + 30);
    const size_t commentSize = Get16(fixed + 32);
    const uint64_t recordSize = kCentralHeaderSize + nameSize + extraSize + commentSize;
    if (!Fits(offset, recordSize, directoryEnd_))
        return Fail();

    EntryInfo& e = current_;
    std::string extra;
    const uint64_t nameOffset = offset + kCentralHeaderSize;
    if (!ReadString(source_, nameOffset, nameSize, e.rawName) ||
        !ReadString(source_, nameOffset + nameSize, extraSize, extra) ||
        !ReadString(source_, nameOffset + nameSize + extraSize, commentSize, e.comment))
        return Fail();
    e.versionMadeBy = Get16(fixed + 4);
    e.versionNeeded = Get16(fixed + 6);
    e.flags = Get16(fixed + 8);
    e.method = Get16(fixed + 10);
    e.dosDateTime = (static_cast<uint32_t>(Get16(fixed + 14)) << 16) | Get16(fixed + 12);
    e.crc32 = Get32(fixed + 16);
    e.compressedSize = Get32(fixed + 20);
    e.uncompressedSize = Get32(fixed + 24);
    uint32_t diskStart = Get16(fixed + 34);
    e.internalAttributes = Get16(fixed + 36);
    e.externalAttributes = Get32(fixed + 38);
    e.localHeaderOffset = Get32(fixed + 42);

    const bool wantUncompressed = e.uncompressedSize == 0xFFFFFFFF;
    const bool wantCompressed = e.compressedSize == 0xFFFFFFFF;
    const bool wantOffset = e.localHeaderOffset == 0xFFFFFFFF;
    const bool wantDisk = diskStart == 0xFFFF;
    if (wantUncompressed || wantCompressed || wantOffset || wantDisk) {
        if (!ApplyZip64Extra(extra, wantUncompressed, wantCompressed, wantOffset, wantDisk))
            return Fail();
        if (wantDisk)
            diskStart = 0;
    }
    if (diskStart != 0)
        return Fail();
    auto name = DecodeEntryName(e.rawName, (e.flags & kFlagUtf8) != 0);
    if (!name)
        return Fail();
    e.name = std::move(*name);
    recordOffset_ = offset;
    recordSize_ = recordSize;
    hasCurrent_ = true;
    return true;
}

bool ZipReader::ApplyZip64Extra(std::string_view extra, bool wantUncompressed, bool wantCompressed, bool wantOffset,
                                bool wantDisk) {
    const auto* p = reinterpret_cast<const uint8_t*>(extra.data());
    size_t left = extra.size();
    while (left >= 4) {
        const uint16_t id = Get16(p);
        const size_t size = Get16(p + 2);
        if (size > left - 4)
            return false;
        if (id == kZip64ExtraId) {
            const uint8_t* field = p + 4;
            const size_t needed = 8 * (wantUncompressed + wantCompressed + wantOffset) + 4 * wantDisk;
            if (size < needed)
                return false;
            if (wantUncompressed) {
                current_.uncompressedSize = Get64(field);
                field += 8;
            }
            if (wantCompressed) {
                current_.compressedSize = Get64(field);
                field += 8;
            }
            if (wantOffset) {
                current_.localHeaderOffset = Get64(field);
                field += 8;
            }
            return !wantDisk || Get32(field) == 0;
        }
        p += 4 + size;
        left -= 4 + size;
    }
    return false;
}

bool ZipReader::FindDataStart(uint64_t& dataStart) {
    // Entry data must lie wholly before the central directory.
    const uint64_t headerOffset = current_.localHeaderOffset;
    uint8_t header[kLocalHeaderSize];
    if (!Fits(headerOffset, sizeof header, directoryOffset_) || !source_.ReadAt(headerOffset, header, sizeof header) ||
        Get32(header) != kLocalHeaderSignature)
        return false;
    dataStart = headerOffset + kLocalHeaderSize + Get16(header + 26) + Get16(header + 28);
    return Fits(dataStart, current_.compressedSize, directoryOffset_);
}

bool ZipReader::Extract(ByteSink& sink) {
    if (!hasCurrent_ || (current_.flags & (kFlagEncrypted | kFlagStrongEncryption)))
        return false;
    if (current_.method != kMethodStored && current_.method != kMethodDeflated)
        return false;
    if (current_.uncompressedSize > limits_.maxTotalSize - extractedTotal_)
        return false;
    uint64_t dataStart = 0;
    if (!FindDataStart(dataStart))
        return false;
    uint32_t crc = 0;
    const bool ok =
        current_.method == kMethodStored ? CopyStored(dataStart, sink, crc) : Inflate(dataStart, sink, crc);
    return ok && crc == current_.crc32;
}

bool ZipReader::CopyStored(uint64_t dataStart, ByteSink& sink, uint32_t& crc) {
    if (current_.compressedSize != current_.uncompressedSize)
        return false;
    const auto chunk = std::make_unique<uint8_t[]>(kChunkSize);
    uint64_t left = current_.compressedSize;
    uint64_t offset = dataStart;
    while (left > 0) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(left, kChunkSize));
        if (!source_.ReadAt(offset, chunk.get(), size))
            return false;
        crc = UpdateCrc32(crc, chunk.get(), size);
        if (!sink.Write(chunk.get(), size))
            return false;
        extractedTotal_ += size;
        offset += size;
        left -= size;
    }
    return true;
}

struct ZipReader::InflateContext {
    ZipReader& reader;
    ByteSink& sink;
    uint8_t* input;
    uint64_t inputOffset;
    uint64_t inputLeft;
    uint64_t produced;
    uint32_t crc;

    static unsigned Read(void* context, z_const unsigned char** buffer) {
        auto& c = *static_cast<InflateContext*>(context);
        const size_t size = static_cast<size_t>(std::min<uint64_t>(c.inputLeft, kChunkSize));
        // Zero ends the input: inflateBack then fails unless the stream ended.
        if (size == 0 || !c.reader.source_.ReadAt(c.inputOffset, c.input, size))
            return 0;
        c.inputOffset += size;
        c.inputLeft -= size;
        *buffer = c.input;
        return static_cast<unsigned>(size);
    }

    static int Write(void* context, unsigned char* data, unsigned size) {
        auto& c = *static_cast<InflateContext*>(context);
        if (size > c.reader.current_.uncompressedSize - c.produced)
            return 1;
        c.crc = UpdateCrc32(c.crc, data, size);
        for (unsigned done = 0; done < size;) {
            const size_t piece = std::min<size_t>(size - done, kChunkSize);
            if (!c.sink.Write(data + done, piece))
                return 1;
            done += static_cast<unsigned>(piece);
        }
        c.produced += size;
        c.reader.extractedTotal_ += size;
        return 0;
    }
};

bool ZipReader::Inflate(uint64_t dataStart, ByteSink& sink, uint32_t& crc) {
    InflateBackStream inflater;
    if (!inflater.ready())
        return false;
    const auto input = std::make_unique<uint8_t[]>(kChunkSize);
    InflateContext context{*this, sink, input.get(), dataStart, current_.compressedSize, 0, crc};
    z_stream& stream = inflater.get();
    stream.next_in = Z_NULL;
    stream.avail_in = 0;
    if (inflateBack(&stream, &InflateContext::Read, &context, &InflateContext::Write, &context) != Z_STREAM_END)
        return false;
    crc = context.crc;
    return context.produced == current_.uncompressedSize;
}

}  // namespace lx::zip
