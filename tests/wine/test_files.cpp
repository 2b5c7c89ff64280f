#include "test_files.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "data_locations.h"
#include "unique_handle.h"

namespace lx::test {

namespace {

std::string Drain(HANDLE pipe) {
    std::string data;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0)
        data.append(buffer, read);
    return data;
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + L"lx-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter++) + L"\\";
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    // Files written by CXMLProps are hidden and may be read-only.
    std::error_code ignored;
    for (const auto& item : std::filesystem::recursive_directory_iterator(path_, ignored))
        ::SetFileAttributesW(item.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ignored);
}

void WriteUtf8File(const std::wstring& path, std::string_view content) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!file)
        throw std::runtime_error("cannot write test file");
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::wstring TestProgramFolder() { return ProgramFolder(); }

ProcessResult RunProcess(const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!::CreatePipe(&outRead, &outWrite, &inherit, 0) || !::CreatePipe(&errRead, &errWrite, &inherit, 0))
        throw std::runtime_error("CreatePipe failed");
    UniqueHandle outReader(outRead), errReader(errRead);
    ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION info{};
    std::wstring mutableLine = commandLine;
    const BOOL started = ::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                          nullptr, nullptr, &startup, &info);
    {
        // Our copies of the write ends must go, or the reads never end.
        UniqueHandle outWriter(outWrite), errWriter(errWrite);
    }
    if (!started)
        throw std::runtime_error("CreateProcess failed");
    UniqueHandle process(info.hProcess), thread(info.hThread);

    ProcessResult result;
    std::thread errThread([&] { result.err = Drain(errRead); });
    result.out = Drain(outRead);
    errThread.join();
    if (::WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) {
        ::TerminateProcess(info.hProcess, 99);
        throw std::runtime_error("child process did not end");
    }
    ::GetExitCodeProcess(info.hProcess, &result.exitCode);
    return result;
}

}  // namespace lx::test
