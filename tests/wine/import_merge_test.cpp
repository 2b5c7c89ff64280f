#include "import_package.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <set>
#include <thread>

#include "accelerator.h"
#include "accelerator_file_update.h"
#include "data_locations.h"
#include "folder_listing.h"
#include "import_fixture.h"
#include "named_mutex_lock.h"
#include "signals.h"
#include "unique_handle.h"
#include "xml_props.h"

namespace lx {
namespace {

using test::Deflated;
using test::ImportFixture;
using test::ReadBytes;
using test::WriteUtf8File;

constexpr char kPackageAccelerators[] = R"(<accelerators>
  <accelerator id="pkg-a" name="Upper" description="Upper case" hotkey="66113" input="1" output="0">{{sel:upper}}</accelerator>
  <group id="pkg-g" name="Group" hotkey="578">
    <accelerator id="pkg-1" name="One" hotkey="65">1</accelerator>
    <accelerator id="pkg-2" name="Two" hotkey="66">2</accelerator>
    <accelerator id="pkg-3" name="Three" hotkey="67">3</accelerator>
  </group>
</accelerators>)";

constexpr char kUserAccelerators[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<accelerators>
  <accelerator id="mine" name="Mine" hotkey="577">keep me</accelerator>
</accelerators>
)";

using Entries = std::vector<std::unique_ptr<CAccelerator>>;

// The user's file as the processor reads it.
Entries ReadEntries(const std::wstring& path) {
    Entries entries;
    CXMLProps props;
    if (!props.Open(path, L"accelerators") || !props.FirstChild())
        return entries;
    do {
        auto entry = std::make_unique<CAccelerator>();
        if (entry->Read(props))
            entries.push_back(std::move(entry));
    } while (props.NextSibling());
    return entries;
}

class ImportMerge : public ImportFixture {
protected:
    std::wstring PackageWithAccelerators() { return WritePackage({Deflated("accelerators.xml", kPackageAccelerators)}); }
    void Import(const std::wstring& path) {
        CImportPackage package = NewPackage();
        ASSERT_EQ(package.OpenPackage(path), kPackageOpened);
        ASSERT_TRUE(package.ImportAccelerators());
    }
    // For a thread of its own, which needs COM for the DOM.
    void ImportOnItsOwnThread(const std::wstring& path) {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        {
            CImportPackage package = NewPackage();
            if (package.OpenPackage(path) == kPackageOpened) {
                EXPECT_TRUE(package.ImportAccelerators());
            }
        }
        ::CoUninitialize();
    }
    bool IsHidden(const std::wstring& path) const {
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
    }
    std::vector<std::wstring> DataFolderNames() const {
        std::vector<std::wstring> names;
        for (const FolderEntry& entry : ListFolder(program / L"*"))
            names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ImportMerge, WithoutAUserFileCreatesOneHoldingExactlyTheImportedEntries) {
    Import(PackageWithAccelerators());
    const std::string text = ReadBytes(AcceleratorFile());
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u) << text;
    EXPECT_TRUE(IsHidden(AcceleratorFile()));
    // Attribute order, the hotkey cut to 16 bits, a group without text.
    EXPECT_TRUE(std::regex_search(text, std::regex(
        R"(<accelerator id="\{[0-9A-F-]{36}\}" name="Upper" description="Upper case" hotkey="577" input="1" output="0">\{\{sel:upper\}\}</accelerator>)")))
        << text;
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(<group id="\{[0-9A-F-]{36}\}" name="Group" description="" hotkey="578"><accelerator)")))
        << text;
    EXPECT_EQ(text.find("pkg-"), std::string::npos) << "package ids are never written";

    const Entries entries = ReadEntries(AcceleratorFile());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0]->hotkey, 577);
    EXPECT_EQ(entries[0]->output, 0);
    ASSERT_TRUE(entries[1]->isGroup);
    ASSERT_EQ(entries[1]->entries.size(), 3u);
    const wchar_t* names[] = {L"One", L"Two", L"Three"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[1]->entries[i]->name, names[i]);
        EXPECT_EQ(entries[1]->entries[i]->body, std::to_wstring(i + 1));
    }
    EXPECT_EQ(DataFolderNames(), (std::vector<std::wstring>{L"accelerators.xml", L"portable", L"scripts"}))
        << "no temporary file is left beside it";
}

TEST_F(ImportMerge, AppendsAfterTheUsersEntriesAndTwoImportsGiveTwoIndependentCopies) {
    WriteUtf8File(AcceleratorFile(), kUserAccelerators);
    const std::wstring path = PackageWithAccelerators();
    Import(path);
    Import(path);
    const Entries entries = ReadEntries(AcceleratorFile());
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0]->id, L"mine");
    EXPECT_EQ(entries[0]->body, L"keep me");
    std::set<std::wstring> ids;
    for (const auto& entry : entries) {
        ids.insert(entry->id);
        for (const auto& member : entry->entries)
            ids.insert(member->id);
    }
    EXPECT_EQ(ids.size(), 1u + 2 * 5) << "every imported group and accelerator has its own id";
    EXPECT_EQ(entries[1]->name, L"Upper");
    EXPECT_EQ(entries[3]->name, L"Upper");
    EXPECT_EQ(entries[1]->hotkey, entries[0]->hotkey) << "hotkeys are not compared";
    EXPECT_TRUE(IsHidden(AcceleratorFile()));
}

TEST_F(ImportMerge, ChoicesDecideWhatIsWrittenAndTheFileIsRewrittenEvenWithNone) {
    WriteUtf8File(AcceleratorFile(), kUserAccelerators);
    struct Case { const char* what; bool first, group, member; size_t entries; size_t members; } cases[] = {
        {"nothing chosen", false, false, true, 1, 0},
        {"group without one member", false, true, false, 2, 2},
        {"everything", true, true, true, 3, 3},
    };
    for (const Case& c : cases) {
        WriteUtf8File(AcceleratorFile(), kUserAccelerators);
        CImportPackage package = NewPackage();
        ASSERT_EQ(package.OpenPackage(PackageWithAccelerators()), kPackageOpened);
        SetChosen(package.accelerators[0].properties, c.first);
        SetChosen(package.accelerators[1].properties, c.group);
        SetChosen(package.accelerators[1].entries[1].properties, c.member);
        ASSERT_TRUE(package.ImportAccelerators());
        const Entries entries = ReadEntries(AcceleratorFile());
        ASSERT_EQ(entries.size(), c.entries) << c.what;
        if (c.group) {
            EXPECT_EQ(entries.back()->entries.size(), c.members) << c.what;
        }
        EXPECT_TRUE(IsHidden(AcceleratorFile())) << c.what << ": rewritten through the hidden save";
    }
}

TEST_F(ImportMerge, BrokenUserFileIsKeptAsABackupAndReplaced) {
    const std::string broken = "<accelerators>\n  <accelerator id=\"mine\">half written";
    const std::string otherRoot = "<settings><appearance/></settings>";
    for (const std::string& content : {broken, otherRoot}) {
        for (const FolderEntry& entry : ListFolder(program / L"accelerators.xml.broken-*"))
            ASSERT_TRUE(::DeleteFileW((program / entry.name).c_str()));
        WriteUtf8File(AcceleratorFile(), content);
        Import(PackageWithAccelerators());
        EXPECT_EQ(ReadEntries(AcceleratorFile()).size(), 2u);
        const std::vector<FolderEntry> backups = ListFolder(program / L"accelerators.xml.broken-*.bak");
        ASSERT_EQ(backups.size(), 1u);
        EXPECT_TRUE(std::regex_match(backups[0].name, std::wregex(LR"(accelerators\.xml\.broken-\d{8}-\d{6}\.bak)")))
            << testing::PrintToString(backups[0].name);
        EXPECT_EQ(ReadBytes(program / backups[0].name), content);
        EXPECT_FALSE(IsHidden(program / backups[0].name));
    }
}

TEST(BrokenFileBackupName, CarriesTheLocalTime) {
    SYSTEMTIME time{};
    time.wYear = 2026, time.wMonth = 3, time.wDay = 7, time.wHour = 9, time.wMinute = 5, time.wSecond = 1;
    EXPECT_EQ(BrokenFileBackupName(L"C:\\d\\accelerators.xml", time),
              L"C:\\d\\accelerators.xml.broken-20260307-090501.bak");
}

TEST_F(ImportMerge, ReadOnlyHiddenUserFileIsReplacedAndStaysHidden) {
    WriteUtf8File(AcceleratorFile(), kUserAccelerators);
    ASSERT_TRUE(::SetFileAttributesW(AcceleratorFile().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    Import(PackageWithAccelerators());
    EXPECT_EQ(ReadEntries(AcceleratorFile()).size(), 3u);
    EXPECT_TRUE(IsHidden(AcceleratorFile()));
}

// The file is only read and replaced while the named mutex is held, so an
// import waits for another one that is halfway.
TEST_F(ImportMerge, WaitsForTheAcceleratorFileLock) {
    WriteUtf8File(AcceleratorFile(), kUserAccelerators);
    const std::wstring path = PackageWithAccelerators();
    const std::string before = ReadBytes(AcceleratorFile());
    auto lock = std::make_unique<NamedMutexLock>(MUTEX_ACCELERATOR_FILE);
    ASSERT_TRUE(lock->owned());
    std::thread importer([&] { ImportOnItsOwnThread(path); });
    ::Sleep(1500);
    EXPECT_EQ(ReadBytes(AcceleratorFile()), before) << "the import did not wait for the lock";
    lock.reset();
    importer.join();
    EXPECT_EQ(ReadEntries(AcceleratorFile()).size(), 3u);
}

// A reader holding the file open for a moment delays the replacement; it
// neither loses the imported entries nor leaves the temporary file behind.
TEST_F(ImportMerge, WaitsForAReaderOfTheFileAndReplacesItAfterwards) {
    WriteUtf8File(AcceleratorFile(), kUserAccelerators);
    CImportPackage package = NewPackage();
    ASSERT_EQ(package.OpenPackage(PackageWithAccelerators()), kPackageOpened);
    UniqueHandle reader(::CreateFileW(AcceleratorFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      0, nullptr));
    ASSERT_TRUE(reader);
    std::thread closer([&] {
        ::Sleep(500);
        reader.reset();
    });
    EXPECT_TRUE(package.ImportAccelerators());
    closer.join();
    EXPECT_EQ(ReadEntries(AcceleratorFile()).size(), 3u);
    EXPECT_EQ(DataFolderNames(), (std::vector<std::wstring>{L"accelerators.xml", L"portable", L"scripts"}));
}

TEST_F(ImportMerge, ImportsAtTheSameTimeKeepEveryonesEntries) {
    WriteUtf8File(AcceleratorFile(), kUserAccelerators);
    const std::wstring path = PackageWithAccelerators();
    constexpr int kImports = 4;
    std::vector<std::thread> importers;
    for (int i = 0; i < kImports; ++i)
        importers.emplace_back([&] { ImportOnItsOwnThread(path); });
    for (std::thread& importer : importers)
        importer.join();
    EXPECT_EQ(ReadEntries(AcceleratorFile()).size(), 1u + 2 * kImports);
}

TEST_F(ImportMerge, InstallsChosenFilesAndModifiersReplacingExistingOnes) {
    const std::wstring scripts = ScriptsFolderFor(program.path());
    WriteUtf8File(scripts + L"upper.lxscript", "<lxscript>old</lxscript>");
    WriteUtf8File(scripts + L"kept.js", "old kept");
    const std::string upper = "<lxscript function=\"f\"><script>function f(t){return t.toUpperCase();}</script></lxscript>";
    CImportPackage package = NewPackage();
    ASSERT_EQ(package.OpenPackage(WritePackage({
                  Deflated("scripts/Upper.LXSCRIPT", upper),
                  Deflated("scripts/Lower.lxscript", "<lxscript/>"),
                  Deflated("scripts/Title.LXSCRIPT", "<lxscript/>"),
                  Deflated("scripts/lib/util.js", "util"),
                  Deflated("scripts/kept.js", "new kept"),
              })),
              kPackageOpened);
    for (auto& modifier : package.modifiers)
        SetChosen(modifier.properties, modifier.name != L"Lower");
    for (auto& file : package.files)
        SetChosen(file.properties, true);
    package.ImportFiles();
    package.ImportModifiers();
    EXPECT_EQ(ReadBytes(scripts + L"lib\\util.js"), "util");
    EXPECT_EQ(ReadBytes(scripts + L"kept.js"), "new kept");
    EXPECT_EQ(ReadBytes(scripts + L"upper.lxscript"), upper);
    const std::vector<FolderEntry> title = ListFolder(scripts + L"title.*");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].name, L"Title.lxscript") << "installed under the modifier's name with the lower-case extension";
    EXPECT_FALSE(PathExists(scripts + L"Lower.lxscript"));
}

}  // namespace
}  // namespace lx
