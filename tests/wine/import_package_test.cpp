#include "import_package.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data_locations.h"
#include "import_fixture.h"

namespace lx {
namespace {

using test::Deflated;
using test::ImportFixture;
using test::WriteUtf8File;

constexpr char kScript[] = "<lxscript function=\"f\"><description>Upper case</description><script>function f(t){return t.toUpperCase();}</script></lxscript>";

constexpr char kPackageAccelerators[] = R"(<accelerators>
  <accelerator id="same" name="First" hotkey="66113" input="0" output="1">{{sel:Upper}}</accelerator>
  <accelerator name="No id">dropped</accelerator>
  <!-- a comment -->
  <group id="same" name="Group" hotkey="578">
    <accelerator id="e1" name="One" hotkey="65">1</accelerator>
    <group id="nested" name="Nested"><accelerator id="n1">n</accelerator></group>
    <accelerator id="e2" name="Two" hotkey="66">2</accelerator>
  </group>
  <snippet id="other">ignored</snippet>
</accelerators>)";

bool IsRegistryGuid(const std::optional<std::wstring>& id) {
    if (!id || id->size() != 38 || (*id)[0] != L'{' || (*id)[37] != L'}')
        return false;
    for (size_t i = 1; i < 37; ++i) {
        const wchar_t c = (*id)[i];
        const bool hyphen = i == 9 || i == 14 || i == 19 || i == 24;
        if (hyphen ? c != L'-' : !((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F')))
            return false;
    }
    return true;
}

std::vector<std::wstring> FileNames(const CImportPackage& package) {
    std::vector<std::wstring> names;
    for (const CPackageFile& file : package.files)
        names.push_back(file.relativePath);
    std::sort(names.begin(), names.end());
    return names;
}

using PackageOpen = ImportFixture;

TEST_F(PackageOpen, ListsModifiersAndSupportingFilesByTheirPlaceInTheArchive) {
    const std::wstring path = WritePackage({
        Deflated("info.xml", "<lexorantpackage/>"),
        Deflated("scripts/Upper.LXSCRIPT", kScript),
        Deflated("scripts/lib/util.js", "function util() {}"),
        Deflated("scripts/lib/extra.lxscript", kScript),
        Deflated("scripts/lib/deeper/data.txt", "x"),
        Deflated("scripts/readme.txt", "x"),
        Deflated("other/ignored.js", "x"),
    });
    CImportPackage package = NewPackage();
    ASSERT_EQ(package.OpenPackage(path), kPackageOpened);
    ASSERT_EQ(package.modifiers.size(), 1u);
    EXPECT_EQ(package.modifiers[0].name, L"Upper");
    EXPECT_EQ(package.modifiers[0].description, L"Upper case");
    EXPECT_EQ(FileNames(package),
              (std::vector<std::wstring>{L"lib\\deeper\\data.txt", L"lib\\util.js", L"readme.txt"}));
    EXPECT_TRUE(package.accelerators.empty());
    EXPECT_TRUE(IsChosen(package.modifiers[0].properties));
    for (const CPackageFile& file : package.files)
        EXPECT_TRUE(IsChosen(file.properties)) << file.relativePath;
}

TEST_F(PackageOpen, ItemsAlreadyInTheScriptsFolderAreOfferedUnchosen) {
    const std::wstring scripts = ScriptsFolderFor(program.path());
    WriteUtf8File(scripts + L"upper.lxscript", kScript);
    ASSERT_TRUE(::CreateDirectoryW((scripts + L"lib").c_str(), nullptr));
    WriteUtf8File(scripts + L"lib\\util.js", "old");
    const std::wstring path = WritePackage({
        Deflated("scripts/upper.lxscript", kScript),
        Deflated("scripts/lower.lxscript", kScript),
        Deflated("scripts/lib/util.js", "new"),
        Deflated("scripts/lib/more.js", "new"),
    });
    CImportPackage package = NewPackage();
    ASSERT_EQ(package.OpenPackage(path), kPackageOpened);
    std::set<std::pair<std::wstring, bool>> offered;
    for (const auto& modifier : package.modifiers)
        offered.insert({modifier.name, IsChosen(modifier.properties)});
    for (const auto& file : package.files)
        offered.insert({file.relativePath, IsChosen(file.properties)});
    EXPECT_EQ(offered, (std::set<std::pair<std::wstring, bool>>{
                           {L"upper", false}, {L"lower", true}, {L"lib\\util.js", false}, {L"lib\\more.js", true}}));
}

TEST_F(PackageOpen, EveryListedEntryGetsAFreshIdAndIsChosen) {
    const std::wstring path = WritePackage({Deflated("accelerators.xml", kPackageAccelerators)});
    CImportPackage package = NewPackage();
    ASSERT_EQ(package.OpenPackage(path), kPackageOpened);
    ASSERT_EQ(package.accelerators.size(), 2u);
    const CAcceleratorData& first = package.accelerators[0];
    const CAcceleratorData& group = package.accelerators[1];
    EXPECT_EQ(first.name, L"First");
    EXPECT_EQ(first.hotkey, 66113u);
    EXPECT_EQ(first.input, 0);
    EXPECT_EQ(first.body, L"{{sel:Upper}}");
    EXPECT_TRUE(group.isGroup);
    ASSERT_EQ(group.entries.size(), 2u) << "the nested group is left out";
    EXPECT_EQ(group.entries[0].name, L"One");
    EXPECT_EQ(group.entries[1].name, L"Two");

    std::set<std::wstring> ids;
    for (const CAcceleratorData* entry : {&first, &group, &group.entries[0], &group.entries[1]}) {
        EXPECT_TRUE(IsRegistryGuid(entry->id)) << entry->id.value_or(L"(none)");
        EXPECT_TRUE(IsChosen(entry->properties));
        ids.insert(entry->id.value_or(L""));
    }
    EXPECT_EQ(ids.size(), 4u) << "the two entries with the same package id get different ids";
}

TEST_F(PackageOpen, PackageWithOnlyAPlainFileOpensWithEmptyLists) {
    CImportPackage package = NewPackage();
    ASSERT_EQ(package.OpenPackage(WritePackage({Deflated("readme.txt", "hello")})), kPackageOpened);
    EXPECT_TRUE(package.accelerators.empty());
    EXPECT_TRUE(package.modifiers.empty());
    EXPECT_TRUE(package.files.empty());
}

TEST_F(PackageOpen, BrokenPackageAcceleratorFileGivesAnEmptyList) {
    for (const char* document : {"<accelerators><accelerator id='a'>", "<snippets><accelerator id='a'/></snippets>"}) {
        CImportPackage package = NewPackage();
        ASSERT_EQ(package.OpenPackage(WritePackage({Deflated("accelerators.xml", document)})), kPackageOpened);
        EXPECT_TRUE(package.accelerators.empty()) << document;
    }
}

TEST_F(PackageOpen, ExtractionFolderLivesUntilRemovedAndNeverOutlivesThePackage) {
    const std::wstring path = WritePackage({Deflated("readme.txt", "hello")});
    std::wstring folder;
    {
        CImportPackage package = NewPackage();
        ASSERT_EQ(package.OpenPackage(path), kPackageOpened);
        ASSERT_TRUE(package.ExtractionFolder().has_value());
        folder = *package.ExtractionFolder();
        EXPECT_EQ(folder.rfind(temp / L"lx_", 0), 0u) << folder;
        EXPECT_TRUE(PathExists(folder + L"\\readme.txt"));
        package.RemoveTempFolder();
        EXPECT_FALSE(PathExists(folder));
        EXPECT_FALSE(package.ExtractionFolder().has_value());
        ASSERT_EQ(package.OpenPackage(path), kPackageOpened);
        folder = *package.ExtractionFolder();
    }
    EXPECT_FALSE(PathExists(folder));
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}

// Every failing open leaves no extraction folder behind and nothing outside
// it, and lists nothing.
TEST_F(PackageOpen, FailuresGiveTheirCodesAndLeaveNothingBehind) {
    WriteUtf8File(packages / L"text.lxpack", "just some text, not an archive");
    std::string truncated = test::BuildZip({Deflated("readme.txt", "hello")});
    truncated.resize(truncated.size() - 30);
    WriteUtf8File(packages / L"truncated.lxpack", truncated);
    ASSERT_TRUE(::CreateDirectoryW((packages / L"folder.lxpack").c_str(), nullptr));

    struct Case { std::wstring path; OpenPackageResult result; } cases[] = {
        {packages / L"missing.lxpack", kPackageMissing},
        {L"", kPackageMissing},
        {packages / L"text.lxpack", kPackageNotArchive},
        {packages / L"truncated.lxpack", kPackageNotArchive},
        {packages / L"folder.lxpack", kPackageNotArchive},
        {WritePackage({}, L"empty.lxpack"), kPackageNotExtracted},
    };
    for (const Case& c : cases) {
        CImportPackage package = NewPackage();
        EXPECT_EQ(package.OpenPackage(c.path), c.result) << c.path;
        EXPECT_FALSE(package.ExtractionFolder().has_value()) << c.path;
        EXPECT_TRUE(package.files.empty() && package.modifiers.empty() && package.accelerators.empty());
        EXPECT_TRUE(ExtractionFoldersLeft().empty()) << c.path;
    }
}

}  // namespace
}  // namespace lx
