#pragma once
// Random-access bytes an archive is read from: a file or a memory block.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace lx::zip {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Reads exactly `size` bytes at `offset`; false when they are not all there.
    virtual bool ReadAt(uint64_t offset, uint8_t* buffer, size_t size) = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(uint64_t offset, uint8_t* buffer, size_t size) override;

private:
    std::span<const uint8_t> bytes_;
};

// A file opened through the C library (the Windows side reads through its own
// handle-based source).
class StdioFileSource final : public ByteSource {
public:
    static std::unique_ptr<StdioFileSource> Open(const std::string& path);
    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, uint8_t* buffer, size_t size) override;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    StdioFileSource(std::FILE* file, uint64_t size) : file_(file), size_(size) {}
    std::unique_ptr<std::FILE, Closer> file_;
    uint64_t size_ = 0;
    uint64_t position_ = 0;
};

}  // namespace lx::zip
