#pragma once
// The entries the file system lists for a search pattern, in its order,
// without "." and "..".
#include <windows.h>

#include <string>
#include <vector>

namespace lx {

struct FolderEntry {
    std::wstring name;
    bool isFolder = false;
};

std::vector<FolderEntry> ListFolder(const std::wstring& pattern);

}  // namespace lx
