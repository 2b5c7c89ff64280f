#include "launching.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "settings_file.h"
#include "test_files.h"
#include "xml_props.h"

namespace lx {
namespace {

TEST(Launching, CommandLines) {
    EXPECT_EQ(ImportDefaultPackageCommand(L"C:\\Lexorant\\"), L"import.exe /S C:\\Lexorant\\default.lxpack");
    EXPECT_EQ(ImportDefaultPackageCommand(L"C:\\Program Files\\Lexorant\\"),
              L"import.exe /S \"C:\\Program Files\\Lexorant\\default.lxpack\"");
    EXPECT_EQ(SettingsCommand(), L"lx-settings.exe");
    EXPECT_EQ(ProcessorCommand(L"two words"), L"lx-processor.exe two words");
    const std::wstring longId(250, L'x');
    EXPECT_EQ(ProcessorCommand(longId), L"lx-processor.exe " + longId) << "a cut id could name another accelerator";
}

TEST(Launching, WaitsOnlyWhenAskedAndFailsQuietlyForMissingPrograms) {
    test::TempFolder folder;
    const std::wstring marker = folder / L"ran.txt";
    ASSERT_TRUE(Launch(L"cmd.exe /c echo ran> \"" + marker + L"\"", true));
    EXPECT_NE(::GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "the launch returned before the end";
    EXPECT_FALSE(Launch(L"no-such-program.exe", false));
    EXPECT_FALSE(Launch(L"no-such-program.exe", true));
}

TEST(SettingsFile, CreatedWithDefaultsWhenMissingAndLeftAloneOtherwise) {
    test::TempFolder folder;
    const std::wstring path = folder / L"settings.xml";
    ASSERT_TRUE(EnsureSettingsFile(folder.path()));
    EXPECT_TRUE(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    {
        CXMLProps settings;
        ASSERT_TRUE(settings.Open(path, L"settings"));
        ASSERT_TRUE(settings.SelectChild(L"appearance"));
        EXPECT_EQ(settings.GetStringAttribute(L"orderby", std::nullopt), L"0");
        settings.Up();
        EXPECT_TRUE(settings.SelectChild(L"sound"));
    }
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    test::WriteUtf8File(path, "<settings><appearance orderby=\"1\"/></settings>");
    ASSERT_TRUE(EnsureSettingsFile(folder.path()));
    EXPECT_EQ(test::ReadBytes(path), "<settings><appearance orderby=\"1\"/></settings>");
}

}  // namespace
}  // namespace lx
