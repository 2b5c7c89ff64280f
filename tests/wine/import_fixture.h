#pragma once
// A portable program folder for the import code to install into, a private
// temporary folder for its extraction folders, and packages built on the fly.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folder_listing.h"
#include "import_package.h"
#include "test_files.h"
#include "zip_builder.h"

namespace lx::test {

class ImportFixture : public testing::Test {
protected:
    void SetUp() override {
        WriteUtf8File(program / L"portable", "");
        for (const wchar_t* variable : {L"TMP", L"TEMP"}) {
            wchar_t value[MAX_PATH] = L"";
            savedTemp_.emplace_back(variable, std::wstring(value, ::GetEnvironmentVariableW(variable, value, MAX_PATH)));
            ::SetEnvironmentVariableW(variable, temp.path().c_str());
        }
    }
    void TearDown() override {
        for (const auto& [variable, value] : savedTemp_)
            ::SetEnvironmentVariableW(variable.c_str(), value.empty() ? nullptr : value.c_str());
    }

    std::wstring WritePackage(const std::vector<ZipTestEntry>& entries, const std::wstring& name = L"pkg.lxpack") {
        const std::wstring path = packages / name;
        WriteUtf8File(path, BuildZip(entries));
        return path;
    }
    CImportPackage NewPackage() { return CImportPackage(program.path()); }

    std::wstring AcceleratorFile() const { return program / L"accelerators.xml"; }
    std::wstring ScriptsFolder() const { return program / L"scripts\\"; }

    // Extraction folders still in the temporary folder.
    std::vector<std::wstring> ExtractionFoldersLeft() const {
        std::vector<std::wstring> left;
        for (const FolderEntry& entry : ListFolder(temp / L"lx_*"))
            left.push_back(entry.name);
        return left;
    }

    TempFolder program, temp, packages;

private:
    std::vector<std::pair<std::wstring, std::wstring>> savedTemp_;
};

}  // namespace lx::test
