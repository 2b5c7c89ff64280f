#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "byte_source.h"
#include "pseudo_random.h"
#include "zip_builder.h"
#include "zip_reader.h"

namespace {

using lx::test::BuildZip;
using lx::test::Deflated;
using lx::test::Stored;
using lx::test::ReadLe;
using lx::test::WriteLe;
using lx::test::ZipTestEntry;
using lx::test::ZipTestOptions;
using lx::zip::Limits;
using lx::zip::MemorySource;
using lx::zip::ZipReader;

class StringSink final : public lx::zip::ByteSink {
public:
    bool Write(const uint8_t* data, size_t size) override {
        text.append(reinterpret_cast<const char*>(data), size);
        return true;
    }
    std::string text;
};

std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::string Words(size_t size) {
    static const char* const kWords[] = {"alpha ", "beta ", "gamma ", "delta\n", "epsilon ", "zeta "};
    std::string out;
    lx::test::PseudoRandom random{7};
    while (out.size() < size)
        out += kWords[(random.Next() >> 16) % 6];
    out.resize(size);
    return out;
}

struct Listed {
    std::u16string name;
    uint16_t method;
    uint64_t size;
    bool folder;
    std::string data;
};

// Lists and extracts everything; nullopt when any step fails.
std::optional<std::vector<Listed>> ReadAll(const std::string& zip, const Limits& limits = {}) {
    MemorySource source(Bytes(zip));
    ZipReader reader(source, limits);
    if (!reader.Open() || !reader.First())
        return std::nullopt;
    std::vector<Listed> out;
    do {
        const auto& e = reader.Current();
        StringSink sink;
        if (!reader.Extract(sink))
            return std::nullopt;
        out.push_back({e.name, e.method, e.uncompressedSize, e.IsFolder(), sink.text});
    } while (reader.Next());
    if (reader.Failed())
        return std::nullopt;
    return out;
}

struct GoodCase {
    const char* label;
    std::vector<ZipTestEntry> entries;
    ZipTestOptions options;
    std::vector<std::u16string> names;
};

TEST(ZipReader, ListsAndExtractsWellFormedArchives) {
    const std::string big = lx::test::NoiseBytes(100000, 1);
    const std::string text = Words(70000);
    const std::vector<GoodCase> cases = {
        {"stored", {Stored("a.txt", "hello")}, {}, {u"a.txt"}},
        {"deflated", {Deflated("b.txt", text)}, {}, {u"b.txt"}},
        {"several chunks stored", {Stored("n.bin", big)}, {}, {u"n.bin"}},
        {"several chunks deflated", {Deflated("n.bin", big)}, {}, {u"n.bin"}},
        {"empty files", {Stored("e0", ""), Deflated("e8", "")}, {}, {u"e0", u"e8"}},
        {"folders only", {Stored("a/"), Stored("a/b/")}, {}, {u"a/", u"a/b/"}},
        {"nested without folders", {Deflated("a/b/c.dat", "x")}, {}, {u"a/b/c.dat"}},
        {"utf-8 flagged",
         {Deflated("\xC3\xBCn\xC3\xAF" "c\xC3\xB8" "d\xC3\xA9/\xE5\x90\x8D\xE5\x89\x8D.txt", "u").Flags(0x800)},
         {},
         {u"ünïcødé/名前.txt"}},
        {"code page 437", {Deflated("\x81" "ber\xE1.txt", "c")}, {}, {u"überß.txt"}},
        {"zip64 fields", {Deflated("z.txt", text).Zip64(), Stored("s", "s").Zip64()},
         {"", true}, {u"z.txt", u"s"}},
        {"longest comment", {Deflated("c", "c")}, {std::string(65535, 'P'), false}, {u"c"}},
        {"comment holding an end signature", {Deflated("c", "c")},
         {std::string("PK\x05\x06", 4) + std::string(18, '\0') + "tail", false}, {u"c"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto listed = ReadAll(BuildZip(c.entries, c.options));
        ASSERT_TRUE(listed.has_value());
        ASSERT_EQ(listed->size(), c.entries.size());
        for (size_t i = 0; i < listed->size(); ++i) {
            EXPECT_EQ((*listed)[i].name, c.names[i]);
            EXPECT_EQ((*listed)[i].method, c.entries[i].method);
            EXPECT_EQ((*listed)[i].size, c.entries[i].data.size());
            EXPECT_EQ((*listed)[i].data, c.entries[i].data);
            EXPECT_EQ((*listed)[i].folder, c.names[i].back() == u'/');
        }
    }
}

TEST(ZipReader, ReportsCentralDirectoryFields) {
    const std::string zip = BuildZip({Stored("f", "data").Flags(0x800)}, {});
    MemorySource source(Bytes(zip));
    ZipReader reader(source);
    ASSERT_TRUE(reader.Open());
    ASSERT_TRUE(reader.First());
    const auto& e = reader.Current();
    EXPECT_EQ(e.versionMadeBy, 0x031E);
    EXPECT_EQ(e.versionNeeded, 20);
    EXPECT_EQ(e.flags, 0x800);
    EXPECT_EQ(e.dosDateTime, ZipTestEntry{}.dosDateTime);
    EXPECT_EQ(e.crc32, crc32(0, reinterpret_cast<const Bytef*>("data"), 4));
    EXPECT_EQ(e.compressedSize, 4u);
    EXPECT_FALSE(reader.Next());
    EXPECT_FALSE(reader.Failed());
}

TEST(ZipReader, EmptyArchiveOpensWithoutEntries) {
    const std::string zip = BuildZip({});
    MemorySource source(Bytes(zip));
    ZipReader reader(source);
    ASSERT_TRUE(reader.Open());
    EXPECT_EQ(reader.EntryCount(), 0u);
    EXPECT_FALSE(reader.First());
    EXPECT_FALSE(ReadAll(zip).has_value());
}

// Offsets into an archive of two stored entries "a" and "b", 1 byte each.
constexpr size_t kSecondLocal = 32;
constexpr size_t kDirectory = 64;
constexpr size_t kSecondCentral = kDirectory + 47;
constexpr size_t kEnd = kDirectory + 94;

struct Damage {
    const char* label;
    void (*apply)(std::string&);
};

void ExpectEachDamageFails(const std::string& good, const std::vector<Damage>& damages) {
    ASSERT_TRUE(ReadAll(good).has_value());
    for (const auto& d : damages) {
        SCOPED_TRACE(d.label);
        std::string zip = good;
        d.apply(zip);
        EXPECT_FALSE(ReadAll(zip).has_value());
    }
}

TEST(ZipReader, DamagedArchivesFailCleanly) {
    const std::string good = BuildZip({Stored("a", "1"), Stored("b", "2")});
    ASSERT_EQ(good.size(), kEnd + 22);
    ASSERT_EQ(ReadLe(good, kEnd, 4), 0x06054b50u);
    const std::vector<Damage> damages = {
        {"empty file", [](std::string& z) { z.clear(); }},
        {"not a zip", [](std::string& z) { z = std::string(100, 'x'); }},
        {"end record cut", [](std::string& z) { z.resize(z.size() - 1); }},
        {"comment longer than the file", [](std::string& z) { WriteLe(z, kEnd + 20, 5, 2); }},
        {"directory offset beyond the file", [](std::string& z) { WriteLe(z, kEnd + 16, 0x7FFFFFF0, 4); }},
        {"directory size beyond the end record", [](std::string& z) { WriteLe(z, kEnd + 12, 95, 4); }},
        {"more entries than the directory holds", [](std::string& z) {
             WriteLe(z, kEnd + 8, 3, 2);
             WriteLe(z, kEnd + 10, 3, 2);
         }},
        {"entry counts disagree", [](std::string& z) { WriteLe(z, kEnd + 8, 1, 2); }},
        {"fewer entries than the directory holds", [](std::string& z) {
             WriteLe(z, kEnd + 8, 1, 2);
             WriteLe(z, kEnd + 10, 1, 2);
         }},
        {"second disk", [](std::string& z) { WriteLe(z, kEnd + 4, 1, 2); }},
        {"central signature", [](std::string& z) { z[kSecondCentral] = 'X'; }},
        {"name past the directory", [](std::string& z) { WriteLe(z, kSecondCentral + 28, 200, 2); }},
        {"extra past the directory", [](std::string& z) { WriteLe(z, kSecondCentral + 30, 1, 2); }},
        {"local header offset in the directory", [](std::string& z) { WriteLe(z, kSecondCentral + 42, kDirectory - 10, 4); }},
        {"local header offset past the file", [](std::string& z) { WriteLe(z, kSecondCentral + 42, 0xFFFFFF00, 4); }},
        {"local signature", [](std::string& z) { z[kSecondLocal] = 'X'; }},
        {"local name running into the directory", [](std::string& z) { WriteLe(z, kSecondLocal + 26, 40, 2); }},
        {"compressed size past the directory", [](std::string& z) {
             WriteLe(z, kSecondCentral + 20, 1000, 4);
             WriteLe(z, kSecondCentral + 24, 1000, 4);
         }},
        {"stored sizes disagree", [](std::string& z) { WriteLe(z, kSecondCentral + 24, 2, 4); }},
        {"unsupported method", [](std::string& z) { WriteLe(z, kSecondCentral + 10, 12, 2); }},
        {"encrypted", [](std::string& z) { WriteLe(z, kSecondCentral + 8, 1, 2); }},
        {"crc mismatch", [](std::string& z) { z[kSecondLocal + 31] ^= 1; }},
        {"second disk for an entry", [](std::string& z) { WriteLe(z, kSecondCentral + 34, 1, 2); }},
        {"zip64 fields without their extra field", [](std::string& z) { WriteLe(z, kSecondCentral + 24, 0xFFFFFFFF, 4); }},
        {"invalid utf-8 name", [](std::string& z) {
             WriteLe(z, kSecondCentral + 8, 0x800, 2);
             z[kSecondCentral + 46] = '\xFF';
         }},
    };
    ExpectEachDamageFails(good, damages);
}

TEST(ZipReader, DamagedDeflateStreamsFail) {
    const std::string text = Words(50000);
    const std::string good = BuildZip({Deflated("w", text)});
    const size_t end = good.size() - 22;
    const size_t central = ReadLe(good, end + 16, 4);
    const uint32_t compressed = ReadLe(good, central + 20, 4);
    const std::vector<Damage> damages = {
        {"compressed data cut short", [](std::string& z) {
             const size_t c = ReadLe(z, z.size() - 22 + 16, 4);
             WriteLe(z, c + 20, ReadLe(z, c + 20, 4) / 2, 4);
         }},
        {"declared size too small", [](std::string& z) {
             const size_t c = ReadLe(z, z.size() - 22 + 16, 4);
             WriteLe(z, c + 24, ReadLe(z, c + 24, 4) - 1, 4);
         }},
        {"declared size too large", [](std::string& z) {
             const size_t c = ReadLe(z, z.size() - 22 + 16, 4);
             WriteLe(z, c + 24, ReadLe(z, c + 24, 4) + 1, 4);
         }},
        {"corrupt block", [](std::string& z) { z[30 + 1 + 10] ^= 0x55; }},
    };
    ASSERT_GT(compressed, 100u);
    ExpectEachDamageFails(good, damages);
}

TEST(ZipReader, CapsLimitEntriesAndTotalSize) {
    const std::string zip = BuildZip({Deflated("a", std::string(600, 'a')),
                                      Stored("b", std::string(600, 'b')),
                                      Deflated("c", "")});
    struct Case {
        const char* label;
        Limits limits;
        bool succeeds;
    } cases[] = {
        {"defaults", {}, true},
        {"exactly enough", {.maxTotalSize = 1200, .maxEntries = 3}, true},
        {"one byte short", {.maxTotalSize = 1199, .maxEntries = 3}, false},
        {"smaller than one entry", {.maxTotalSize = 100, .maxEntries = 3}, false},
        {"one entry too many", {.maxTotalSize = 1200, .maxEntries = 2}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ReadAll(zip, c.limits).has_value(), c.succeeds);
    }
}

TEST(ZipReader, CapCountsBytesActuallyInflated) {
    // Extracting the same entry again counts again: overlapping entries can
    // not multiply the output past the cap.
    const std::string zip = BuildZip({Deflated("a", std::string(600, 'a'))});
    MemorySource source(Bytes(zip));
    ZipReader reader(source, {.maxTotalSize = 1000, .maxEntries = 10});
    ASSERT_TRUE(reader.Open());
    ASSERT_TRUE(reader.First());
    StringSink sink;
    EXPECT_TRUE(reader.Extract(sink));
    EXPECT_FALSE(reader.Extract(sink));
    EXPECT_EQ(sink.text.size(), 600u);
}

// Any single damaged byte either fails or yields data that matches the
// entry's declared size and CRC-32; never a crash under the sanitizers.
TEST(ZipReader, EverySingleByteDamageIsHandled) {
    const std::string good = BuildZip({Stored("dir/"),
                                       Deflated("dir/a.txt", Words(3000)),
                                       Stored("b", "stored"),
                                       Deflated("z", "zip64").Zip64()},
                                      {.comment = "note", .zip64End = true});
    size_t failures = 0;
    for (size_t i = 0; i < good.size(); ++i) {
        for (const uint8_t value : {0x00, 0xFF, 0x80}) {
            std::string zip = good;
            if (static_cast<uint8_t>(zip[i]) == value)
                continue;
            zip[i] = static_cast<char>(value);
            MemorySource source(Bytes(zip));
            ZipReader reader(source, {.maxTotalSize = 1 << 20, .maxEntries = 16});
            if (!reader.Open() || !reader.First()) {
                ++failures;
                continue;
            }
            do {
                StringSink sink;
                if (reader.Extract(sink)) {
                    ASSERT_EQ(sink.text.size(), reader.Current().uncompressedSize) << "byte " << i;
                    ASSERT_EQ(crc32(0, reinterpret_cast<const Bytef*>(sink.text.data()), sink.text.size()),
                              reader.Current().crc32)
                        << "byte " << i;
                } else {
                    ++failures;
                }
            } while (reader.Next());
        }
    }
    EXPECT_GT(failures, good.size());
}

}  // namespace
