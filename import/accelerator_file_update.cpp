#include "accelerator_file_update.h"

#include <cstdio>
#include <optional>

#include "data_locations.h"
#include "named_mutex_lock.h"
#include "signals.h"
#include "xml_props.h"

namespace lx {

namespace {

constexpr DWORD kArchiveHidden = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN;

bool KeepBrokenCopy(const std::wstring& path) {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const std::wstring name = BrokenFileBackupName(path, now);
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::wstring backup = attempt == 1 ? name : name + L"." + std::to_wstring(attempt);
        if (::CopyFileW(path.c_str(), backup.c_str(), TRUE)) {
            // The user has to find it: not hidden like the original.
            ::SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_ARCHIVE);
            return true;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

bool ReplaceWith(const std::wstring& path, const std::wstring& replacement) {
    // A reader (the loader, a processor) may hold the file open for a moment;
    // the replacement waits for it rather than dropping the imported entries.
    constexpr int kAttempts = 60;
    constexpr DWORD kPauseMs = 50;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // A read-only target cannot be replaced; hidden stays.
        if (PathExists(path))
            ::SetFileAttributesW(path.c_str(), kArchiveHidden);
        if (::MoveFileExW(replacement.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ::SetFileAttributesW(path.c_str(), kArchiveHidden);
            return true;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION)
            return false;
        ::Sleep(kPauseMs);
    }
    return false;
}

}  // namespace

std::wstring BrokenFileBackupName(const std::wstring& path, const SYSTEMTIME& localTime) {
    wchar_t stamp[32];
    std::swprintf(stamp, std::size(stamp), L".broken-%04u%02u%02u-%02u%02u%02u.bak", localTime.wYear, localTime.wMonth,
                  localTime.wDay, localTime.wHour, localTime.wMinute, localTime.wSecond);
    return path + stamp;
}

bool UpdateAcceleratorFile(const std::wstring& path, const std::function<void(CXMLProps&)>& change) {
    const NamedMutexLock lock(MUTEX_ACCELERATOR_FILE);
    std::optional<CXMLProps> props(std::in_place);
    if (!props->Open(path, L"accelerators")) {
        if (PathExists(path) && !KeepBrokenCopy(path))
            return false;
        props.emplace();
        if (!props->Create(path, L"accelerators"))
            return false;
    }
    change(*props);

    // Written beside the file and moved over it, so that readers see either
    // the old or the new file, never half of one.
    wchar_t temporary[MAX_PATH] = L"";
    if (::GetTempFileNameW(FolderOf(path).c_str(), L"acc", 0, temporary) == 0)
        return false;
    const bool replaced = props->Save(std::wstring_view(temporary)) && ReplaceWith(path, temporary);
    if (!replaced) {
        ::SetFileAttributesW(temporary, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(temporary);
    }
    return replaced;
}

}  // namespace lx
