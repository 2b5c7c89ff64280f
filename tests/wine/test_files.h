#pragma once
// Scratch folders, files and child processes for the tests that run under Wine.
#include <string>
#include <string_view>

namespace lx::test {

// A fresh folder (path ends with a backslash), removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring operator/(std::wstring_view name) const { return path_ + std::wstring(name); }

private:
    std::wstring path_;
};

void WriteUtf8File(const std::wstring& path, std::string_view content);
std::string ReadBytes(const std::wstring& path);
std::wstring TestProgramFolder();

struct ProcessResult {
    unsigned long exitCode = 0;
    std::string out;
    std::string err;
};
// Runs `commandLine` with its output captured, waiting at most 30 s.
ProcessResult RunProcess(const std::wstring& commandLine);

}  // namespace lx::test
