// The first run's import: default.lxpack from beside the programs into a
// fresh portable folder gives data that lx-cli finds nothing wrong with.
#include <windows.h>

#include <gtest/gtest.h>

#include "data_locations.h"
#include "folder_listing.h"
#include "import_fixture.h"
#include "xml_props.h"

namespace lx {
namespace {

using test::ImportFixture;
using test::RunProcess;

using DefaultPackageImport = ImportFixture;

TEST_F(DefaultPackageImport, GivesCleanAcceleratorsAndScripts) {
    for (const wchar_t* file : {L"import.exe", L"lx-cli.exe", L"default.lxpack"})
        ASSERT_TRUE(::CopyFileW((test::TestProgramFolder() + file).c_str(), (program / file).c_str(), FALSE)) << file;
    const test::ProcessResult import =
        RunProcess(L"\"" + (program / L"import.exe") + L"\" /S \"" + (program / L"default.lxpack") + L"\"");
    EXPECT_EQ(import.exitCode, 0u);
    EXPECT_TRUE(ExtractionFoldersLeft().empty());

    CXMLProps props;
    ASSERT_TRUE(props.Open(AcceleratorFile(), L"accelerators"));
    EXPECT_TRUE(props.FirstChild()) << "the default package brings accelerators";
    EXPECT_FALSE(ListFolder(ScriptsFolder() + L"*.lxscript").empty());

    const test::ProcessResult check = RunProcess(L"\"" + (program / L"lx-cli.exe") + L"\" check");
    EXPECT_EQ(check.exitCode, 0u) << check.out << check.err;
    EXPECT_EQ(check.out, "no problems found\n");
}

}  // namespace
}  // namespace lx
