#include "data_locations.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "test_files.h"

namespace lx {
namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring SpecialFolder(int which) {
    wchar_t path[MAX_PATH] = L"";
    ::SHGetFolderPathW(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

TEST(DataLocations, PortableMarkerFileOrFolderPutsEverythingBesideTheProgram) {
    for (bool markerIsFolder : {false, true}) {
        test::TempFolder programFolder;
        if (markerIsFolder)
            ASSERT_TRUE(::CreateDirectoryW((programFolder / L"portable").c_str(), nullptr));
        else
            test::WriteUtf8File(programFolder / L"portable", "");
        EXPECT_EQ(DataFolderFor(programFolder.path()), programFolder.path());
        EXPECT_FALSE(IsFolder(programFolder / L"scripts"));
        EXPECT_EQ(ScriptsFolderFor(programFolder.path()), programFolder / L"scripts\\");
        EXPECT_TRUE(IsFolder(programFolder / L"scripts"));
    }
}

TEST(DataLocations, OutsidePortableModeUsesUserAndMachineFoldersCreatingThem) {
    const std::wstring userProduct = SpecialFolder(CSIDL_APPDATA) + L"\\Varnel";
    const std::wstring machineProduct = SpecialFolder(CSIDL_COMMON_APPDATA) + L"\\Varnel";
    std::filesystem::remove_all(userProduct);
    std::filesystem::remove_all(machineProduct);

    test::TempFolder programFolder;
    EXPECT_EQ(DataFolderFor(programFolder.path()), userProduct + L"\\Lexorant\\");
    EXPECT_TRUE(IsFolder(userProduct + L"\\Lexorant"));
    EXPECT_EQ(ScriptsFolderFor(programFolder.path()), machineProduct + L"\\Lexorant\\scripts\\");
    EXPECT_TRUE(IsFolder(machineProduct + L"\\Lexorant\\scripts"));
}

TEST(DataLocations, RunningProgramsFolderIsItsOwn) {
    const std::wstring folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    wchar_t module[MAX_PATH];
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    EXPECT_EQ(std::wstring(module).rfind(folder, 0), 0u);
}

TEST(DataLocations, OverlongPathsAreCutTo259Characters) {
    const std::wstring cut = BoundedPath(L"C:\\" + std::wstring(400, L'x') + L".lxscript");
    EXPECT_EQ(cut.size(), 259u);
    EXPECT_EQ(::GetFileAttributesW(cut.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace lx
