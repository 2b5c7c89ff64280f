#pragma once
// Unpacks a zip archive into a folder on disk, entry by entry.
#include <cstdint>
#include <memory>
#include <string>

#include "zip_limits.h"

struct UnzipFileInfo {
    std::wstring name;  // "/" turned into "\"
    std::string comment;
    uint32_t versionMadeBy = 0;
    uint32_t versionNeeded = 0;
    uint32_t flags = 0;
    uint32_t compressionMethod = 0;
    uint32_t dosDateTime = 0;  // date in the high 16 bits, time in the low 16 bits
    uint32_t crc32 = 0;
    uint64_t compressedSize = 0;
    uint64_t uncompressedSize = 0;
    uint32_t internalAttributes = 0;
    uint32_t externalAttributes = 0;
    bool isFolder = false;
};

class CUnzipper {
public:
    CUnzipper();
    explicit CUnzipper(const lx::zip::Limits& limits);
    virtual ~CUnzipper();
    CUnzipper(const CUnzipper&) = delete;
    CUnzipper& operator=(const CUnzipper&) = delete;

    [[nodiscard]] bool OpenArchive(const wchar_t* path);
    bool CloseArchive();
    // Every entry must extract; a failure stops the walk and leaves what was
    // written so far for the caller to remove.
    [[nodiscard]] bool ExtractAll(const wchar_t* folder);
    // A null folder means the archive path without its extension.
    [[nodiscard]] bool ExtractEntry(const wchar_t* folder = nullptr);
    [[nodiscard]] bool FirstEntry();
    // False after the last entry and on a damaged central directory.
    [[nodiscard]] bool NextEntry();
    [[nodiscard]] bool GetEntryInfo(UnzipFileInfo& info);

    static bool EnsureFolder(const wchar_t* path);
    static bool EnsureParentFolder(const wchar_t* filePath);
    static bool SetEntryTime(const wchar_t* filePath, uint32_t dosDateTime);

private:
    struct Archive;
    std::unique_ptr<Archive> archive_;
    std::wstring defaultFolder_;
    lx::zip::Limits limits_;
};
