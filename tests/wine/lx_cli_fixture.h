#pragma once
// lx-cli installed alone in a portable folder, with the test's data beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include "test_files.h"

namespace lx::test {

class LxCliFixture : public testing::Test {
protected:
    void InstallWith(std::string_view accelerators) {
        ASSERT_TRUE(::CopyFileW((TestProgramFolder() + L"lx-cli.exe").c_str(), (folder / L"lx-cli.exe").c_str(), FALSE));
        WriteUtf8File(folder / L"portable", "");
        WriteUtf8File(folder / L"accelerators.xml", accelerators);
    }
    ProcessResult Run(const std::wstring& arguments) {
        return RunProcess(L"\"" + (folder / L"lx-cli.exe") + L"\" " + arguments);
    }
    TempFolder folder;
};

}  // namespace lx::test
