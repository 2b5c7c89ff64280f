#include "import_arguments.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(ImportArguments, SilentSwitchAndTheLastPathCount) {
    struct Case { const wchar_t* text; bool silent; const wchar_t* path; } cases[] = {
        {L"/S pkg.lxpack", true, L"pkg.lxpack"},
        {L"/s pkg.lxpack", true, L"pkg.lxpack"},
        {L"/Silent pkg.lxpack", true, L"pkg.lxpack"},
        {L"pkg.lxpack /S", true, L"pkg.lxpack"},
        {L"/x pkg.lxpack", false, L"pkg.lxpack"},
        {L"/ pkg.lxpack", false, L"pkg.lxpack"},
        {L"first.lxpack second.lxpack", false, L"second.lxpack"},
        {L"C:\\my files\\p.lxpack", false, L"files\\p.lxpack"},
        {L"/S \"C:\\my files\\p.lxpack\"", true, L"C:\\my files\\p.lxpack"},
        {L"my* files.lxpack", false, L"my files.lxpack"},
        {L"/S", true, L""},
        {L"/q /x", false, L""},
    };
    for (const Case& c : cases) {
        const ImportArguments arguments = ParseImportArguments(c.text);
        EXPECT_EQ(arguments.silent, c.silent) << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(arguments.packagePath, c.path) << testing::PrintToString(std::wstring(c.text));
    }
}

}  // namespace
}  // namespace lx
