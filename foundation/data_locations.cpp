#include "data_locations.h"

#include <windows.h>
#include <shlobj.h>

namespace lx {

namespace {

constexpr std::wstring_view kPortableMarker = L"portable";
constexpr std::wstring_view kProductSubPath = L"Varnel\\Lexorant";
constexpr std::wstring_view kScriptsSubFolder = L"scripts";

std::wstring WithTrailingBackslash(std::wstring path) {
    if (path.empty() || path.back() != L'\\')
        path += L'\\';
    return BoundedPath(std::move(path));
}

bool IsPortable(std::wstring_view programFolder) {
    return PathExists(BoundedPath(std::wstring(programFolder) + std::wstring(kPortableMarker)));
}

void EnsureFolder(const std::wstring& folder) {
    // Failures surface later as files that cannot be opened.
    if (!PathExists(folder))
        ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
}

std::wstring ProductFolder(int specialFolder) {
    wchar_t base[MAX_PATH] = L"";
    ::SHGetFolderPathW(nullptr, specialFolder, nullptr, SHGFP_TYPE_CURRENT, base);
    std::wstring folder = BoundedPath(std::wstring(base) + L"\\" + std::wstring(kProductSubPath));
    EnsureFolder(folder);
    return WithTrailingBackslash(std::move(folder));
}

}  // namespace

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool PathExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring BoundedPath(std::wstring path) {
    if (path.size() > MAX_PATH - 1)
        path.resize(MAX_PATH - 1);
    return path;
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    const size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return WithTrailingBackslash(std::move(path));
}

std::wstring DataFolderFor(std::wstring_view programFolder) {
    if (IsPortable(programFolder))
        return std::wstring(programFolder);
    return ProductFolder(CSIDL_APPDATA);
}

std::wstring ScriptsFolderFor(std::wstring_view programFolder) {
    const std::wstring base = IsPortable(programFolder) ? std::wstring(programFolder) : ProductFolder(CSIDL_COMMON_APPDATA);
    std::wstring scripts = BoundedPath(base + std::wstring(kScriptsSubFolder));
    EnsureFolder(scripts);
    return WithTrailingBackslash(std::move(scripts));
}

std::wstring GetDataFolder() { return DataFolderFor(ProgramFolder()); }

std::wstring GetScriptsFolder() { return ScriptsFolderFor(ProgramFolder()); }

}  // namespace lx
