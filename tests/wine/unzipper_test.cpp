#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "test_files.h"
#include "unique_handle.h"
#include "unzipper.h"
#include "zip_builder.h"

namespace {

using lx::test::BuildZip;
using lx::test::Deflated;
using lx::test::Stored;
using lx::test::TempFolder;
using lx::test::ZipTestEntry;

namespace fs = std::filesystem;

// Every file and folder below `root`, relative, with "/" separators.
std::set<std::wstring> Tree(const std::wstring& root) {
    std::set<std::wstring> names;
    for (const auto& item : fs::recursive_directory_iterator(root))
        names.insert(fs::relative(item.path(), root).generic_wstring());
    return names;
}

class UnzipperTest : public testing::Test {
protected:
    std::wstring WriteArchive(const std::vector<ZipTestEntry>& entries, const wchar_t* name = L"pkg.lxpack") {
        const std::wstring path = temp_ / name;
        lx::test::WriteUtf8File(path, BuildZip(entries));
        return path;
    }
    // Opens and extracts into temp\box\out; false when either fails.
    bool ExtractAll(const std::vector<ZipTestEntry>& entries, CUnzipper& unzipper) {
        return unzipper.OpenArchive(WriteArchive(entries).c_str()) && unzipper.ExtractAll(Out().c_str());
    }
    std::wstring Out() const { return temp_ / L"box\\out"; }

    TempFolder temp_;
};

TEST_F(UnzipperTest, CreatesTheFoldersAFileNeeds) {
    CUnzipper unzipper;
    ASSERT_TRUE(ExtractAll({Deflated("a/b/c.dat", "payload"), Stored("top.txt", "t")},
                           unzipper));
    EXPECT_EQ(Tree(Out()), (std::set<std::wstring>{L"a", L"a/b", L"a/b/c.dat", L"top.txt"}));
    EXPECT_EQ(lx::test::ReadBytes(Out() + L"\\a\\b\\c.dat"), "payload");
}

TEST_F(UnzipperTest, ArchiveOfFoldersOnlyCreatesNothing) {
    CUnzipper unzipper;
    ASSERT_TRUE(ExtractAll({Stored("a/"), Stored("a/b/")}, unzipper));
    EXPECT_TRUE(Tree(Out()).empty());
}

TEST_F(UnzipperTest, FileGetsTheEntryTimeAsLocalTime) {
    SYSTEMTIME before{};
    ::GetSystemTime(&before);
    CUnzipper unzipper;
    ASSERT_TRUE(ExtractAll({Deflated("dated.txt", "d")}, unzipper));
    lx::UniqueHandle file(::CreateFileW((Out() + L"\\dated.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    FILETIME created{}, accessed{}, written{};
    ASSERT_TRUE(::GetFileTime(file.get(), &created, &accessed, &written));
    for (const FILETIME& time : {written, created}) {
        SYSTEMTIME utc{}, local{};
        ASSERT_TRUE(::FileTimeToSystemTime(&time, &utc));
        ASSERT_TRUE(::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local));
        EXPECT_EQ(local.wYear, 2012);
        EXPECT_EQ(local.wMonth, 5);
        EXPECT_EQ(local.wDay, 1);
        EXPECT_EQ(local.wHour, 10);
        EXPECT_EQ(local.wMinute, 20);
        EXPECT_EQ(local.wSecond, 30);
    }
    SYSTEMTIME access{};
    ASSERT_TRUE(::FileTimeToSystemTime(&accessed, &access));
    EXPECT_EQ(access.wYear, before.wYear);
}

TEST_F(UnzipperTest, TargetFolderThatIsAFileFails) {
    lx::test::WriteUtf8File(temp_ / L"taken", "file");
    CUnzipper unzipper;
    ASSERT_TRUE(unzipper.OpenArchive(WriteArchive({Deflated("x", "x")}).c_str()));
    EXPECT_FALSE(unzipper.ExtractAll((temp_ / L"taken").c_str()));
    EXPECT_FALSE(unzipper.ExtractAll((temp_ / L"taken\\below").c_str()));
    EXPECT_EQ(lx::test::ReadBytes(temp_ / L"taken"), "file");
}

TEST_F(UnzipperTest, UnsafeNamesFailAndWriteNothingOutside) {
    const char* const names[] = {"/abs.txt", "\\abs.txt", "C:x.txt", "C:\\x.txt", "\\\\srv\\share\\x.txt",
                                 "a/../../x.txt", "..\\x.txt", "../box/x.txt", "a/.. /x.txt", "x.txt:hidden"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        TempFolder temp;
        const std::wstring out = temp / L"box\\out";
        lx::test::WriteUtf8File(temp / L"pkg.zip", BuildZip({Deflated("ok.txt", "ok"), Deflated(name, "evil")}));
        CUnzipper unzipper;
        ASSERT_TRUE(unzipper.OpenArchive((temp / L"pkg.zip").c_str()));
        EXPECT_FALSE(unzipper.ExtractAll(out.c_str()));
        EXPECT_EQ(Tree(temp.path()), (std::set<std::wstring>{L"pkg.zip", L"box", L"box/out", L"box/out/ok.txt"}));
    }
}

TEST_F(UnzipperTest, Utf8NameExtractsToTheWidePath) {
    CUnzipper unzipper;
    ASSERT_TRUE(ExtractAll({Deflated("\xC3\xBCn\xC3\xAF" "c\xC3\xB8" "d\xC3\xA9/\xE5\x90\x8D\xE5\x89\x8D.txt", "wide").Flags(0x800)},
                           unzipper));
    EXPECT_EQ(lx::test::ReadBytes(Out() + L"\\ünïcødé\\名前.txt"), "wide");
}

TEST_F(UnzipperTest, DamagedEntriesFailTheExtraction) {
    struct Case {
        const char* label;
        std::vector<ZipTestEntry> entries;
        std::set<std::wstring> left;
    } cases[] = {
        {"crc mismatch", {Deflated("good", "g"), Deflated("bad", "damaged").Crc(1234)}, {L"good"}},
        {"unsupported method", {Deflated("m", "data").Method(14)}, {}},
        {"empty archive", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder temp;
        lx::test::WriteUtf8File(temp / L"p.zip", BuildZip(c.entries));
        CUnzipper unzipper;
        ASSERT_TRUE(unzipper.OpenArchive((temp / L"p.zip").c_str()));
        EXPECT_FALSE(unzipper.ExtractAll((temp / L"out").c_str()));
        EXPECT_EQ(Tree(temp / L"out"), c.left);
    }
}

TEST_F(UnzipperTest, CapsStopAnOversizedArchive) {
    CUnzipper unzipper({.maxTotalSize = 1000, .maxEntries = 10});
    EXPECT_FALSE(ExtractAll({Deflated("a", std::string(800, 'a')), Deflated("b", std::string(800, 'b'))},
                            unzipper));
    EXPECT_EQ(Tree(Out()), std::set<std::wstring>{L"a"});
    CUnzipper fewEntries({.maxTotalSize = 1000, .maxEntries = 1});
    EXPECT_FALSE(fewEntries.OpenArchive(WriteArchive({Deflated("a"), Deflated("b")}, L"two.zip").c_str()));
}

TEST_F(UnzipperTest, WalksEntriesAndReportsTheirInformation) {
    CUnzipper unzipper;
    EXPECT_FALSE(unzipper.CloseArchive());
    ASSERT_TRUE(unzipper.OpenArchive(
        WriteArchive({Stored("dir/"), Deflated("dir/f.txt", std::string(3000, 'f'))}).c_str()));
    UnzipFileInfo info;
    ASSERT_TRUE(unzipper.GetEntryInfo(info));
    EXPECT_EQ(info.name, L"dir\\");
    EXPECT_TRUE(info.isFolder);
    ASSERT_TRUE(unzipper.NextEntry());
    ASSERT_TRUE(unzipper.GetEntryInfo(info));
    EXPECT_EQ(info.name, L"dir\\f.txt");
    EXPECT_FALSE(info.isFolder);
    EXPECT_EQ(info.compressionMethod, 8u);
    EXPECT_EQ(info.uncompressedSize, 3000u);
    EXPECT_LT(info.compressedSize, 3000u);
    EXPECT_EQ(info.dosDateTime, ZipTestEntry{}.dosDateTime);
    // No folder given: the archive path without its extension.
    ASSERT_TRUE(unzipper.ExtractEntry());
    EXPECT_EQ(lx::test::ReadBytes(temp_ / L"pkg\\dir\\f.txt"), std::string(3000, 'f'));
    EXPECT_FALSE(unzipper.NextEntry());
    ASSERT_TRUE(unzipper.FirstEntry());
    ASSERT_TRUE(unzipper.GetEntryInfo(info));
    EXPECT_EQ(info.name, L"dir\\");
    EXPECT_TRUE(unzipper.CloseArchive());
    EXPECT_FALSE(unzipper.GetEntryInfo(info));
    EXPECT_FALSE(unzipper.CloseArchive());
}

TEST_F(UnzipperTest, FilesThatAreNoArchivesDoNotOpen) {
    lx::test::WriteUtf8File(temp_ / L"text.lxpack", "just some text, not a zip archive");
    CUnzipper unzipper;
    EXPECT_FALSE(unzipper.OpenArchive((temp_ / L"text.lxpack").c_str()));
    EXPECT_FALSE(unzipper.OpenArchive((temp_ / L"missing.lxpack").c_str()));
    EXPECT_FALSE(unzipper.OpenArchive(nullptr));
}

TEST(UnzipperFolders, EnsureFolderCreatesMissingLevels) {
    TempFolder temp;
    EXPECT_TRUE(CUnzipper::EnsureFolder((temp / L"x\\y\\z\\").c_str()));
    EXPECT_TRUE(fs::is_directory(temp / L"x\\y\\z"));
    EXPECT_TRUE(CUnzipper::EnsureParentFolder((temp / L"p\\q\\file.txt").c_str()));
    EXPECT_TRUE(fs::is_directory(temp / L"p\\q"));
    EXPECT_FALSE(fs::exists(temp / L"p\\q\\file.txt"));
    EXPECT_FALSE(CUnzipper::EnsureParentFolder(L"no-separator"));
    EXPECT_FALSE(CUnzipper::EnsureFolder(L""));
    EXPECT_FALSE(CUnzipper::EnsureFolder(nullptr));
}

}  // namespace
