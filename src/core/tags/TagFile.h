#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

// Plain POSIX file access for the tag units: 64-bit sizes and positions, regular files only (a FIFO or a device
// named by mistake must never block or stream forever), and every failure reported as a false or empty result.
namespace tagfile {

// An open file descriptor that is closed when it goes out of scope.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int descriptor) : descriptor_(descriptor) {}
    FileHandle(FileHandle&& other) noexcept : descriptor_(other.release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    [[nodiscard]] bool isOpen() const { return descriptor_ >= 0; }
    [[nodiscard]] int get() const { return descriptor_; }
    int release();
    // Closes now and says whether the system reported the close as successful (a late write error shows here).
    bool close();

private:
    int descriptor_ = -1;
};

enum class Access { ReadOnly, ReadWrite };

// Opens an existing regular file; an empty handle when it is missing, unreadable or not a regular file.
[[nodiscard]] FileHandle openRegularFile(const QString& fileName, Access access);

// The file's size in bytes, or nothing when it cannot be taken.
[[nodiscard]] std::optional<std::int64_t> fileSize(const FileHandle& file);

// Reads exactly count bytes at position; false when fewer are there or the read fails.
[[nodiscard]] bool readExactlyAt(const FileHandle& file, std::int64_t position, void* buffer, std::size_t count);

// Reads up to count bytes at position; the number read (0 at the end of the file), or -1 on failure.
[[nodiscard]] std::int64_t readSomeAt(const FileHandle& file, std::int64_t position, void* buffer, std::size_t count);

// Writes all count bytes; false on any failure (a full disk, a size limit).
[[nodiscard]] bool writeAll(const FileHandle& file, const void* buffer, std::size_t count);

// Makes an existing file writable for its owner; the rest of its mode stays. False when that fails.
bool makeOwnerWritable(const QString& fileName);

[[nodiscard]] bool isExistingRegularFile(const QString& fileName);

} // namespace tagfile
