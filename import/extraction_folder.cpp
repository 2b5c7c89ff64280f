#include "extraction_folder.h"

#include <windows.h>
#include <shellapi.h>

namespace lx {

std::optional<std::wstring> MakeExtractionFolder() {
    wchar_t tempFolder[MAX_PATH] = L"";
    if (::GetTempPathW(MAX_PATH, tempFolder) == 0)
        return std::nullopt;
    // The unique name is reserved as a file; another run may take it in the
    // moment between deleting that file and creating the folder, so retry.
    for (int attempt = 0; attempt < 10; ++attempt) {
        wchar_t name[MAX_PATH] = L"";
        if (::GetTempFileNameW(tempFolder, L"lx_", 0, name) == 0)
            return std::nullopt;
        ::DeleteFileW(name);
        if (::CreateDirectoryW(name, nullptr))
            return std::wstring(name);
    }
    return std::nullopt;
}

void RemoveFolderTree(const std::wstring& folder) {
    // The operation takes a list of paths ended by an empty one.
    std::wstring paths = folder;
    paths.push_back(L'\0');
    paths.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = paths.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT | FOF_NOCONFIRMMKDIR;
    ::SHFileOperationW(&operation);
}

}  // namespace lx
