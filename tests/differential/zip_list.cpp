// Lists a zip archive with the project's reader and extracts every entry,
// one after the other, into DATAFILE, for comparison with another reader.
// Output, one line per entry: index method compressed uncompressed crc hex(UTF-8 name).
#include <cstdio>
#include <string>

#include "byte_source.h"
#include "zip_reader.h"

namespace {

class FileSink final : public lx::zip::ByteSink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool Write(const uint8_t* data, size_t size) override { return std::fwrite(data, 1, size, file_) == size; }

private:
    std::FILE* file_;
};

std::string Utf8Hex(const std::u16string& name) {
    std::string utf8;
    for (size_t i = 0; i < name.size(); ++i) {
        uint32_t c = name[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < name.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (name[++i] - 0xDC00);
        if (c < 0x80) {
            utf8 += char(c);
        } else if (c < 0x800) {
            utf8 += char(0xC0 | c >> 6);
            utf8 += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += char(0xE0 | c >> 12);
            utf8 += char(0x80 | ((c >> 6) & 0x3F));
            utf8 += char(0x80 | (c & 0x3F));
        } else {
            utf8 += char(0xF0 | c >> 18);
            utf8 += char(0x80 | ((c >> 12) & 0x3F));
            utf8 += char(0x80 | ((c >> 6) & 0x3F));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    std::string hex;
    char digits[3];
    for (const char c : utf8) {
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
        hex += digits;
    }
    return hex;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zip_list ARCHIVE DATAFILE\n");
        return 2;
    }
    auto source = lx::zip::StdioFileSource::Open(argv[1]);
    if (!source) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    lx::zip::ZipReader reader(*source);
    if (!reader.Open() || !reader.First()) {
        std::fprintf(stderr, "not a readable archive\n");
        return 1;
    }
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out)
        return 1;
    FileSink sink(out);
    unsigned index = 0;
    do {
        const auto& e = reader.Current();
        if (!reader.Extract(sink)) {
            std::fprintf(stderr, "entry %u does not extract\n", index);
            std::fclose(out);
            return 1;
        }
        std::printf("%u %u %llu %llu %08x %s\n", index, e.method, static_cast<unsigned long long>(e.compressedSize),
                    static_cast<unsigned long long>(e.uncompressedSize), e.crc32, Utf8Hex(e.name).c_str());
        ++index;
    } while (reader.Next());
    if (std::fclose(out) != 0)
        return 1;
    if (reader.Failed()) {
        std::fprintf(stderr, "damaged central directory\n");
        return 1;
    }
    return 0;
}
