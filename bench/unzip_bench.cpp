// Extraction speed of the zip reader against raw zlib inflate of the same
// deflated data into memory, measured in the same run; prints MB/s and the
// ratio. On Windows it also times the unpacker writing files to disk.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "byte_source.h"
#include "pseudo_random.h"
#include "zip_builder.h"
#include "zip_reader.h"

#ifdef _WIN32
#include "unzipper.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kRounds = 15;
constexpr int kEntries = 10;
constexpr size_t kEntrySize = 5 * 1000 * 1000;

// Runs the contenders in turn, round after round, so that a busy machine
// slows them alike; returns each one's best time.
std::vector<double> BestSeconds(const std::vector<std::function<bool()>>& runs) {
    std::vector<double> best(runs.size(), 1e300);
    for (int round = 0; round < kRounds; ++round) {
        for (size_t i = 0; i < runs.size(); ++i) {
            const auto start = Clock::now();
            if (!runs[i]()) {
                std::fprintf(stderr, "unzip_bench: a run failed\n");
                std::exit(1);
            }
            best[i] = std::min(best[i], std::chrono::duration<double>(Clock::now() - start).count());
        }
    }
    return best;
}

// Pseudo-random words: compresses about as well as text does.
std::string Words(size_t size, uint32_t state) {
    static const char* const kWords[] = {"accelerator ", "template ", "clipboard ", "hotkey ", "script ",
                                         "package ", "lorem ", "ipsum ", "dolor\n", "sit ", "amet, ", "42 "};
    std::string out;
    out.reserve(size + 16);
    lx::test::PseudoRandom random{state};
    while (out.size() < size) {
        const uint32_t next = random.Next();
        out += kWords[(next >> 16) % 12];
        if ((next & 0xF) == 0)
            out += std::to_string(next % 100000);
    }
    out.resize(size);
    return out;
}

class MemorySink final : public lx::zip::ByteSink {
public:
    explicit MemorySink(std::vector<uint8_t>& buffer) : buffer_(buffer) {}
    bool Write(const uint8_t* data, size_t size) override {
        if (size > buffer_.size() - used_)
            return false;
        std::memcpy(buffer_.data() + used_, data, size);
        used_ += size;
        return true;
    }
    size_t used() const { return used_; }

private:
    std::vector<uint8_t>& buffer_;
    size_t used_ = 0;
};

bool RawInflate(const std::string& deflated, std::vector<uint8_t>& out, size_t expected) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.data()));
    stream.avail_in = static_cast<uInt>(deflated.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool ok = result == Z_STREAM_END && stream.total_out == expected;
    inflateEnd(&stream);
    return ok;
}

}  // namespace

int main() {
    std::vector<lx::test::ZipTestEntry> entries;
    std::vector<std::string> deflated;
    for (int i = 0; i < kEntries; ++i) {
        entries.push_back(lx::test::Deflated("package/part" + std::to_string(i) + ".txt", Words(kEntrySize, i + 1)));
        deflated.push_back(lx::test::RawDeflate(entries.back().data));
    }
    const fs::path folder = fs::temp_directory_path() / "lx-unzip-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path archive = folder / "bench.zip";
    {
        const std::string bytes = lx::test::BuildZip(entries);
        std::ofstream(archive, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    size_t compressed = 0;
    for (const auto& d : deflated)
        compressed += d.size();
    entries.clear();
    const double total = double(kEntries) * kEntrySize;
    const double megabytes = total / 1e6;
    std::vector<uint8_t> buffer(kEntrySize);

    auto raw = [&] {
        for (const auto& d : deflated)
            if (!RawInflate(d, buffer, kEntrySize))
                return false;
        return true;
    };
    auto reader = [&] {
        auto source = lx::zip::StdioFileSource::Open(archive.string());
        if (!source)
            return false;
        lx::zip::ZipReader zip(*source);
        if (!zip.Open() || !zip.First())
            return false;
        do {
            MemorySink sink(buffer);
            if (!zip.Extract(sink) || sink.used() != kEntrySize)
                return false;
        } while (zip.Next());
        return !zip.Failed();
    };
    std::vector<std::function<bool()>> runs = {raw, reader};
#ifdef _WIN32
    const std::wstring out = (folder / "out").wstring();
    runs.push_back([&] {
        fs::remove_all(out);
        CUnzipper unzip;
        return unzip.OpenArchive(archive.wstring().c_str()) && unzip.ExtractAll(out.c_str());
    });
#endif
    const std::vector<double> best = BestSeconds(runs);

    std::printf("package: %d entries, %.1f MB, deflated to %.1f MB\n", kEntries, megabytes, compressed / 1e6);
    std::printf("raw inflate into memory      %8.1f MB/s\n", megabytes / best[0]);
    std::printf("zip reader from file         %8.1f MB/s   ratio %.2f (target >= 0.80)\n", megabytes / best[1],
                best[0] / best[1]);
#ifdef _WIN32
    std::printf("CUnzipper to files on disk   %8.1f MB/s   ratio %.2f\n", megabytes / best[2], best[0] / best[2]);
#endif
    fs::remove_all(folder);
    return 0;
}
