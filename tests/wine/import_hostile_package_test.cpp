// Archives made to escape the extraction folder, carry damaged data or fill
// the disk: the open fails as "cannot be extracted", writes nothing outside
// its folder and leaves no folder behind.
#include "import_package.h"

#include <gtest/gtest.h>

#include "data_locations.h"
#include "import_fixture.h"

namespace lx {
namespace {

using test::ImportFixture;
using test::Deflated;
using test::ZipTestEntry;

using HostilePackage = ImportFixture;

// Where a careless extraction of the names below would have put its file.
std::vector<std::wstring> PlacesOutside(const test::TempFolder& temp, const std::wstring& fileName) {
    wchar_t current[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, current);
    std::wstring parentOfTemp = temp.path().substr(0, temp.path().size() - 1);
    parentOfTemp.resize(parentOfTemp.find_last_of(L'\\') + 1);
    return {temp.path() + fileName,         parentOfTemp + fileName,      std::wstring(current) + L"\\" + fileName,
            L"C:\\" + fileName,             L"C:\\srv\\share\\" + fileName, L"Z:\\tmp\\" + fileName,
            temp.path() + L"a\\" + fileName};
}

TEST_F(HostilePackage, UnsafeEntryNamesFailExtractionAndWriteNothingOutside) {
    const char* unsafeNames[] = {
        "../lx-escape-1.txt",         "a/../../lx-escape-2.txt", "scripts/../../lx-escape-3.txt",
        "/lx-escape-4.txt",           "\\lx-escape-5.txt",       "C:lx-escape-6.txt",
        "C:/lx-escape-7.txt",         "//srv/share/lx-escape-8.txt", "\\\\srv\\share\\lx-escape-9.txt",
        "..\\lx-escape-10.txt",
    };
    for (const char* name : unsafeNames) {
        const std::string text(name);
        const std::wstring fileName(text.begin() + static_cast<long>(text.rfind("lx-escape")), text.end());
        const std::wstring path = WritePackage({Deflated("scripts/ok.js", "fine"), Deflated(name, "escaped")});
        CImportPackage package = NewPackage();
        EXPECT_EQ(package.OpenPackage(path), kPackageNotExtracted) << name;
        for (const std::wstring& place : PlacesOutside(temp, fileName))
            EXPECT_FALSE(PathExists(place)) << name << " reached " << testing::PrintToString(place);
        EXPECT_TRUE(ExtractionFoldersLeft().empty()) << name;
    }
}

TEST_F(HostilePackage, DamagedDataFailsExtraction) {
    for (const ZipTestEntry& damaged : {Deflated("scripts/bad.js", "damaged").Crc(0x12345678u),
                                        test::Stored("scripts/bad.js", "damaged").Crc(0x12345678u)}) {
        CImportPackage package = NewPackage();
        EXPECT_EQ(package.OpenPackage(WritePackage({Deflated("scripts/ok.js", "fine"), damaged})), kPackageNotExtracted)
            << "method " << damaged.method;
        EXPECT_TRUE(ExtractionFoldersLeft().empty());
    }
}

TEST_F(HostilePackage, ArchivesBeyondTheCapsFailExtractionWithinThemOpen) {
    const std::vector<ZipTestEntry> fourSmallEntries = {
        Deflated("a.txt", std::string(200, 'a')), Deflated("b.txt", std::string(200, 'b')),
        Deflated("c.txt", std::string(200, 'c')), Deflated("d.txt", std::string(200, 'd'))};
    const std::vector<ZipTestEntry> oneBigEntry = {Deflated("big.txt", std::string(5000, 'x'))};
    struct Case { const char* what; std::vector<ZipTestEntry> entries; zip::Limits limits; OpenPackageResult result; } cases[] = {
        {"too many entries", fourSmallEntries, {1000000, 3}, kPackageNotExtracted},
        {"entries at the cap", fourSmallEntries, {1000000, 4}, kPackageOpened},
        {"too many bytes", oneBigEntry, {4999, 100}, kPackageNotExtracted},
        {"bytes at the cap", oneBigEntry, {5000, 100}, kPackageOpened},
        {"too many bytes in total", fourSmallEntries, {799, 100}, kPackageNotExtracted},
        {"8 MB of zeros in a few kilobytes", {Deflated("bomb.bin", std::string(8 << 20, '\0'))}, {1 << 20, 100},
         kPackageNotExtracted},
    };
    for (const Case& c : cases) {
        CImportPackage package(program.path(), c.limits);
        EXPECT_EQ(package.OpenPackage(WritePackage(c.entries)), c.result) << c.what;
        package.RemoveTempFolder();
        EXPECT_TRUE(ExtractionFoldersLeft().empty()) << c.what;
    }
}

}  // namespace
}  // namespace lx
