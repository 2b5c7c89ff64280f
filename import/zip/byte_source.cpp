#include "byte_source.h"

#include <cstring>

namespace lx::zip {
namespace {

bool Seek(std::FILE* file, uint64_t offset) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool SeekEnd(std::FILE* file, uint64_t& size) {
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return false;
    const long long end = _ftelli64(file);
#else
    if (fseeko(file, 0, SEEK_END) != 0)
        return false;
    const off_t end = ftello(file);
#endif
    if (end < 0)
        return false;
    size = static_cast<uint64_t>(end);
    return true;
}

}  // namespace

bool MemorySource::ReadAt(uint64_t offset, uint8_t* buffer, size_t size) {
    if (offset > bytes_.size() || size > bytes_.size() - offset)
        return false;
    if (size)
        std::memcpy(buffer, bytes_.data() + offset, size);
    return true;
}

std::unique_ptr<StdioFileSource> StdioFileSource::Open(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    std::unique_ptr<StdioFileSource> source(new StdioFileSource(file, 0));
    if (!SeekEnd(file, source->size_))
        return nullptr;
    source->position_ = source->size_;
    return source;
}

bool StdioFileSource::ReadAt(uint64_t offset, uint8_t* buffer, size_t size) {
    if (offset > size_ || size > size_ - offset)
        return false;
    // Sequential reads, the common case, need no seek.
    if (offset != position_ && !Seek(file_.get(), offset))
        return false;
    position_ = offset;
    const size_t got = std::fread(buffer, 1, size, file_.get());
    position_ += got;
    if (got != size) {
        position_ = UINT64_MAX;
        return false;
    }
    return true;
}

}  // namespace lx::zip
