#include "unzipper.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "entry_name_safety.h"
#include "unique_handle.h"
#include "zip_reader.h"

namespace {

using lx::UniqueHandle;

class HandleSource final : public lx::zip::ByteSource {
public:
    HandleSource(UniqueHandle file, uint64_t size) : file_(std::move(file)), size_(size) {}
    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, uint8_t* buffer, size_t size) override {
        if (offset > size_ || size > size_ - offset)
            return false;
        while (size > 0) {
            OVERLAPPED at{};
            at.Offset = static_cast<DWORD>(offset);
            at.OffsetHigh = static_cast<DWORD>(offset >> 32);
            const DWORD want = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
            DWORD got = 0;
            if (!::ReadFile(file_.get(), buffer, want, &got, &at) || got == 0)
                return false;
            buffer += got;
            offset += got;
            size -= got;
        }
        return true;
    }

private:
    UniqueHandle file_;
    uint64_t size_;
};

class HandleSink final : public lx::zip::ByteSink {
public:
    explicit HandleSink(HANDLE file) : file_(file) {}
    bool Write(const uint8_t* data, size_t size) override {
        DWORD written = 0;
        return ::WriteFile(file_, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
    }

private:
    HANDLE file_;
};

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring WithoutTrailingSeparators(std::wstring path) {
    while (path.size() > 1 && IsSeparator(path.back()) && path[path.size() - 2] != L':')
        path.pop_back();
    return path;
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return {};
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return {};
    full.resize(length);
    return full;
}

// Second line of defence behind the entry-name check: the resolved target
// must lie below the resolved folder.
bool IsBelow(const std::wstring& folder, const std::wstring& target) {
    std::wstring base = FullPath(folder);
    const std::wstring full = FullPath(target);
    if (base.empty() || full.empty())
        return false;
    if (!IsSeparator(base.back()))
        base.push_back(L'\\');
    return full.size() > base.size() && ::CompareStringOrdinal(full.c_str(), static_cast<int>(base.size()), base.c_str(),
                                                               static_cast<int>(base.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

struct CUnzipper::Archive {
    Archive(UniqueHandle file, uint64_t size, const lx::zip::Limits& limits)
        : source(std::move(file), size), reader(source, limits) {}
    HandleSource source;
    lx::zip::ZipReader reader;
};

CUnzipper::CUnzipper() = default;

CUnzipper::CUnzipper(const lx::zip::Limits& limits) : limits_(limits) {}

CUnzipper::~CUnzipper() { CloseArchive(); }

bool CUnzipper::OpenArchive(const wchar_t* path) {
    CloseArchive();
    if (!path)
        return false;
    UniqueHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size))
        return false;
    auto archive = std::make_unique<Archive>(std::move(file), static_cast<uint64_t>(size.QuadPart), limits_);
    if (!archive->reader.Open())
        return false;
    // The first entry is current right after opening; an empty archive has none.
    (void)archive->reader.First();
    archive_ = std::move(archive);
    defaultFolder_ = path;
    // Only a dot in the file name starts the extension, not one in a folder name.
    const size_t dot = defaultFolder_.find_last_of(L'.');
    const size_t separator = defaultFolder_.find_last_of(L"\\/");
    if (dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator))
        defaultFolder_.resize(dot);
    return true;
}

bool CUnzipper::CloseArchive() {
    if (!archive_)
        return false;
    archive_.reset();
    return true;
}

bool CUnzipper::ExtractAll(const wchar_t* folder) {
    if (!archive_ || !folder || !EnsureFolder(folder))
        return false;
    if (archive_->reader.EntryCount() == 0 || !FirstEntry())
        return false;
    for (;;) {
        if (!ExtractEntry(folder))
            return false;
        if (!NextEntry())
            return !archive_->reader.Failed();
    }
}

bool CUnzipper::ExtractEntry(const wchar_t* folder) {
    if (!archive_)
        return false;
    const std::wstring base = folder ? std::wstring(folder) : defaultFolder_;
    if (!EnsureFolder(base.c_str()))
        return false;
    UnzipFileInfo info;
    if (!GetEntryInfo(info))
        return false;
    // Nothing is written for a name that could reach outside the folder.
    if (!lx::zip::IsSafeEntryName(archive_->reader.Current().name))
        return false;
    if (info.isFolder)
        return true;

    std::wstring target = base;
    if (!IsSeparator(target.back()))
        target.push_back(L'\\');
    target += info.name;
    if (!IsBelow(base, target) || !EnsureParentFolder(target.c_str()))
        return false;

    bool extracted = false;
    {
        UniqueHandle file(
            ::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        HandleSink sink(file.get());
        extracted = archive_->reader.Extract(sink);
    }
    if (!extracted) {
        // Damaged data never stays behind under the entry's name.
        ::DeleteFileW(target.c_str());
        return false;
    }
    SetEntryTime(target.c_str(), info.dosDateTime);
    return true;
}

bool CUnzipper::FirstEntry() { return archive_ && archive_->reader.First(); }

bool CUnzipper::NextEntry() { return archive_ && archive_->reader.Next(); }

bool CUnzipper::GetEntryInfo(UnzipFileInfo& info) {
    if (!archive_)
        return false;
    info = UnzipFileInfo{};
    if (!archive_->reader.HasCurrent())
        return false;
    const lx::zip::EntryInfo& entry = archive_->reader.Current();
    info.name.reserve(entry.name.size());
    for (const char16_t c : entry.name)
        info.name.push_back(c == u'/' ? L'\\' : static_cast<wchar_t>(c));
    info.comment = entry.comment;
    info.versionMadeBy = entry.versionMadeBy;
    info.versionNeeded = entry.versionNeeded;
    info.flags = entry.flags;
    info.compressionMethod = entry.method;
    info.dosDateTime = entry.dosDateTime;
    info.crc32 = entry.crc32;
    info.compressedSize = entry.compressedSize;
    info.uncompressedSize = entry.uncompressedSize;
    info.internalAttributes = entry.internalAttributes;
    info.externalAttributes = entry.externalAttributes;
    info.isFolder = !info.name.empty() && info.name.back() == L'\\';
    return true;
}

bool CUnzipper::EnsureFolder(const wchar_t* path) {
    if (!path || !*path)
        return false;
    // Walk up to the first level that exists, then create the missing ones
    // downwards; no recursion, as names may hold thousands of levels.
    std::vector<std::wstring> missing;
    std::wstring current = WithoutTrailingSeparators(path);
    for (;;) {
        const DWORD attributes = ::GetFileAttributesW(current.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                return false;
            break;
        }
        missing.push_back(current);
        const size_t separator = current.find_last_of(L"\\/");
        if (separator == std::wstring::npos || separator == 0)
            break;
        current = WithoutTrailingSeparators(current.substr(0, separator));
    }
    for (auto level = missing.rbegin(); level != missing.rend(); ++level)
        if (!::CreateDirectoryW(level->c_str(), nullptr))
            return false;
    return true;
}

bool CUnzipper::EnsureParentFolder(const wchar_t* filePath) {
    if (!filePath)
        return false;
    const std::wstring path(filePath);
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return false;
    return EnsureFolder(path.substr(0, separator).c_str());
}

bool CUnzipper::SetEntryTime(const wchar_t* filePath, uint32_t dosDateTime) {
    UniqueHandle file(
        ::CreateFileW(filePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    FILETIME local{};
    SYSTEMTIME localTime{};
    SYSTEMTIME utcTime{};
    FILETIME utc{};
    // Local to UTC with the daylight rule of the entry's own date.
    if (!::DosDateTimeToFileTime(static_cast<WORD>(dosDateTime >> 16), static_cast<WORD>(dosDateTime), &local) ||
        !::FileTimeToSystemTime(&local, &localTime) || !::TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &utcTime) ||
        !::SystemTimeToFileTime(&utcTime, &utc))
        return false;
    // The last-access time stays as it is.
    return ::SetFileTime(file.get(), &utc, nullptr, &utc) != FALSE;
}
