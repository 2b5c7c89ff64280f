#include "test_zip.h"

#include <array>

namespace lx::test {

namespace {

std::uint32_t Crc32(const std::string& data) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data)
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr std::uint32_t kUtf8Names = 0x0800;
constexpr std::uint32_t kDosTime = (10u << 11) | (20u << 5) | 15u;                 // 10:20:30
constexpr std::uint32_t kDosDate = ((2012u - 1980u) << 9) | (5u << 5) | 1u;  // 2012-05-01

}  // namespace

std::string ZipArchive(const std::vector<ZipEntry>& entries) {
    std::string archive, directory;
    for (const ZipEntry& entry : entries) {
        const std::uint32_t crc = entry.crc32.value_or(Crc32(entry.data));
        const auto size = static_cast<std::uint32_t>(entry.data.size());
        const auto offset = static_cast<std::uint32_t>(archive.size());
        Put32(archive, 0x04034b50);
        for (std::uint32_t field : {20u, kUtf8Names, 0u, kDosTime, kDosDate})
            Put16(archive, field);
        for (std::uint32_t field : {crc, size, size})
            Put32(archive, field);
        Put16(archive, static_cast<std::uint32_t>(entry.name.size()));
        Put16(archive, 0);
        archive += entry.name;
        archive += entry.data;

        const bool folder = !entry.name.empty() && entry.name.back() == '/';
        Put32(directory, 0x02014b50);
        for (std::uint32_t field : {20u, 20u, kUtf8Names, 0u, kDosTime, kDosDate})
            Put16(directory, field);
        for (std::uint32_t field : {crc, size, size})
            Put32(directory, field);
        for (std::uint32_t field : {static_cast<std::uint32_t>(entry.name.size()), 0u, 0u, 0u, 0u})
            Put16(directory, field);
        Put32(directory, folder ? 0x10 : 0x20);
        Put32(directory, offset);
        directory += entry.name;
    }
    const auto directoryOffset = static_cast<std::uint32_t>(archive.size());
    archive += directory;
    Put32(archive, 0x06054b50);
    for (std::uint32_t field : {0u, 0u, static_cast<std::uint32_t>(entries.size()),
                                static_cast<std::uint32_t>(entries.size())})
        Put16(archive, field);
    Put32(archive, static_cast<std::uint32_t>(directory.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    return archive;
}

}  // namespace lx::test
