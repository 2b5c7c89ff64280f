#pragma once
// Minimal PNG writer for test images: 8-bit RGB or RGBA, no filtering, the
// image data in stored (uncompressed) deflate blocks.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lx::test {

inline uint32_t PngCrc(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

inline void AppendBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>(value >> shift));
}

inline void AppendChunk(std::string& png, std::string_view type, const std::string& data) {
    AppendBigEndian(png, static_cast<uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    png += typed;
    AppendBigEndian(png, PngCrc(typed));
}

// `samples`: rows top-down, 3 (RGB) or 4 (RGBA) bytes per pixel.
inline std::string EncodePng(uint32_t width, uint32_t height, bool withAlpha, const std::vector<uint8_t>& samples) {
    const size_t rowBytes = static_cast<size_t>(width) * (withAlpha ? 4 : 3);
    std::string raw;
    for (uint32_t row = 0; row < height; ++row) {
        raw.push_back('\0');  // filter type none
        raw.append(reinterpret_cast<const char*>(samples.data()) + row * rowBytes, rowBytes);
    }
    std::string zlib = "\x78\x01";
    for (size_t offset = 0; offset < raw.size() || offset == 0; offset += 65535) {
        const size_t length = std::min<size_t>(65535, raw.size() - offset);
        zlib.push_back(offset + length >= raw.size() ? '\x01' : '\x00');
        zlib.push_back(static_cast<char>(length));
        zlib.push_back(static_cast<char>(length >> 8));
        zlib.push_back(static_cast<char>(~length));
        zlib.push_back(static_cast<char>(~length >> 8));
        zlib.append(raw, offset, length);
        if (raw.empty())
            break;
    }
    uint32_t a = 1;
    uint32_t b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    AppendBigEndian(zlib, b << 16 | a);

    std::string header;
    AppendBigEndian(header, width);
    AppendBigEndian(header, height);
    header += std::string{'\x08', withAlpha ? '\x06' : '\x02', '\0', '\0', '\0'};
    std::string png = "\x89PNG\r\n\x1a\n";
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", zlib);
    AppendChunk(png, "IEND", "");
    return png;
}

}  // namespace lx::test
