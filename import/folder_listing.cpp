#include "folder_listing.h"

#include <memory>

namespace lx {

namespace {

struct FindCloser {
    void operator()(HANDLE search) const { ::FindClose(search); }
};
using UniqueSearch = std::unique_ptr<void, FindCloser>;

}  // namespace

std::vector<FolderEntry> ListFolder(const std::wstring& pattern) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    const HANDLE first = ::FindFirstFileW(pattern.c_str(), &found);
    if (first == INVALID_HANDLE_VALUE)
        return entries;
    const UniqueSearch search(first);
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (::FindNextFileW(search.get(), &found));
    return entries;
}

}  // namespace lx
