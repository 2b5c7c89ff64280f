#pragma once
// Builds small zip archives in memory, including damaged ones, for the tests.
#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx::test {

struct ZipTestEntry {
    std::string name;  // bytes as stored
    std::string data;  // uncompressed content
    uint16_t method = 8;
    uint16_t flags = 0;
    uint32_t dosDateTime = (uint32_t((2012 - 1980) << 9 | 5 << 5 | 1) << 16) | (10 << 11 | 20 << 5 | 30 / 2);
    std::optional<uint32_t> crc;  // overrides the true CRC-32
    bool zip64 = false;           // sizes and offset through the zip64 extra field

    ZipTestEntry Method(uint16_t value) const { return With(&ZipTestEntry::method, value); }
    ZipTestEntry Flags(uint16_t value) const { return With(&ZipTestEntry::flags, value); }
    ZipTestEntry Crc(uint32_t value) const { return With(&ZipTestEntry::crc, std::optional<uint32_t>(value)); }
    ZipTestEntry Zip64() const { return With(&ZipTestEntry::zip64, true); }

private:
    template <typename T, typename V>
    ZipTestEntry With(T ZipTestEntry::*member, V value) const {
        ZipTestEntry copy = *this;
        copy.*member = value;
        return copy;
    }
};

inline ZipTestEntry Deflated(std::string name, std::string data = {}) {
    ZipTestEntry entry;
    entry.name = std::move(name);
    entry.data = std::move(data);
    return entry;
}
inline ZipTestEntry Stored(std::string name, std::string data = {}) { return Deflated(std::move(name), std::move(data)).Method(0); }

struct ZipTestOptions {
    std::string comment;
    bool zip64End = false;  // zip64 end record and locator
};

inline std::string RawDeflate(std::string_view data) {
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

class ZipBytes {
public:
    void Put16(uint32_t v) { Put(v, 2); }
    void Put32(uint64_t v) { Put(v, 4); }
    void Put64(uint64_t v) { Put(v, 8); }
    void Append(std::string_view bytes) { out_.append(bytes); }
    size_t size() const { return out_.size(); }
    std::string take() { return std::move(out_); }

private:
    void Put(uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    std::string out_;
};

// The fields local and central headers share, from "version needed" to
// "extra field length".
inline void PutHeaderFields(ZipBytes& zip, const ZipTestEntry& e, uint64_t compressedSize, uint32_t extraSize) {
    const uint32_t crc = e.crc.value_or(
        static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), static_cast<uInt>(e.data.size()))));
    zip.Put16(e.zip64 ? 45 : 20);
    zip.Put16(e.flags);
    zip.Put16(e.method);
    zip.Put32(e.dosDateTime);
    zip.Put32(crc);
    zip.Put32(e.zip64 ? 0xFFFFFFFF : compressedSize);
    zip.Put32(e.zip64 ? 0xFFFFFFFF : e.data.size());
    zip.Put16(e.name.size());
    zip.Put16(e.zip64 ? extraSize : 0);
}

inline std::string BuildZip(const std::vector<ZipTestEntry>& entries, const ZipTestOptions& options = {}) {
    ZipBytes zip;
    std::vector<uint64_t> offsets;
    std::vector<size_t> compressedSizes;
    for (const auto& e : entries) {
        const std::string payload = e.method == 8 ? RawDeflate(e.data) : e.data;
        offsets.push_back(zip.size());
        compressedSizes.push_back(payload.size());
        zip.Put32(0x04034b50);
        PutHeaderFields(zip, e, payload.size(), 20);
        zip.Append(e.name);
        if (e.zip64) {
            zip.Put16(1);
            zip.Put16(16);
            zip.Put64(e.data.size());
            zip.Put64(payload.size());
        }
        zip.Append(payload);
    }
    const uint64_t directoryOffset = zip.size();
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        zip.Put32(0x02014b50);
        zip.Put16(0x031E);
        PutHeaderFields(zip, e, compressedSizes[i], 28);
        zip.Put16(0);
        zip.Put16(0);
        zip.Put16(0);
        zip.Put32(0);
        zip.Put32(e.zip64 ? 0xFFFFFFFF : offsets[i]);
        zip.Append(e.name);
        if (e.zip64) {
            zip.Put16(1);
            zip.Put16(24);
            zip.Put64(e.data.size());
            zip.Put64(compressedSizes[i]);
            zip.Put64(offsets[i]);
        }
    }
    const uint64_t directorySize = zip.size() - directoryOffset;
    if (options.zip64End) {
        const uint64_t zip64EndOffset = zip.size();
        zip.Put32(0x06064b50);
        zip.Put64(44);
        zip.Put16(45);
        zip.Put16(45);
        zip.Put32(0);
        zip.Put32(0);
        zip.Put64(entries.size());
        zip.Put64(entries.size());
        zip.Put64(directorySize);
        zip.Put64(directoryOffset);
        zip.Put32(0x07064b50);
        zip.Put32(0);
        zip.Put64(zip64EndOffset);
        zip.Put32(1);
    }
    zip.Put32(0x06054b50);
    zip.Put16(0);
    zip.Put16(0);
    zip.Put16(options.zip64End ? 0xFFFF : entries.size());
    zip.Put16(options.zip64End ? 0xFFFF : entries.size());
    zip.Put32(options.zip64End ? 0xFFFFFFFF : directorySize);
    zip.Put32(options.zip64End ? 0xFFFFFFFF : directoryOffset);
    zip.Put16(options.comment.size());
    zip.Append(options.comment);
    return zip.take();
}

// Little-endian field access for damaging archives in place.
inline uint32_t ReadLe(const std::string& bytes, size_t offset, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return v;
}
inline void WriteLe(std::string& bytes, size_t offset, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace lx::test
