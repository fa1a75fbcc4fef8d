#include "TagFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tagfile {

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = other.release();
    }
    return *this;
}

FileHandle::~FileHandle() {
    close();
}

int FileHandle::release() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor;
}

bool FileHandle::close() {
    if (descriptor_ < 0)
        return true;
    // After EINTR Linux has already released the descriptor, so close is never retried.
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    return closed;
}

FileHandle openRegularFile(const QString& fileName, Access access) {
    if (fileName.isEmpty())
        return {};
    const QByteArray path = QFile::encodeName(fileName);
    // Non-blocking so that opening a FIFO cannot wait for a writer; a regular file ignores the flag.
    const int flags = (access == Access::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    FileHandle file(::open(path.constData(), flags));
    if (!file.isOpen())
        return {};
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    const int statusFlags = ::fcntl(file.get(), F_GETFL);
    if (statusFlags == -1 || ::fcntl(file.get(), F_SETFL, statusFlags & ~O_NONBLOCK) == -1)
        return {};
    return file;
}

std::optional<std::int64_t> fileSize(const FileHandle& file) {
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0)
        return std::nullopt;
    return static_cast<std::int64_t>(status.st_size);
}

std::int64_t readSomeAt(const FileHandle& file, std::int64_t position, void* buffer, std::size_t count) {
    if (!file.isOpen() || position < 0)
        return -1;
    for (;;) {
        const ssize_t got = ::pread(file.get(), buffer, count, static_cast<off_t>(position));
        if (got >= 0)
            return got;
        if (errno != EINTR)
            return -1;
    }
}

bool readExactlyAt(const FileHandle& file, std::int64_t position, void* buffer, std::size_t count) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const std::int64_t got =
            readSomeAt(file, position + static_cast<std::int64_t>(done), bytes + done, count - done);
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool writeAll(const FileHandle& file, const void* buffer, std::size_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t written = ::write(file.get(), bytes + done, count - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool makeOwnerWritable(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    if (fileName.isEmpty() || ::stat(path.constData(), &status) != 0)
        return false;
    if ((status.st_mode & S_IWUSR) != 0)
        return true;
    return ::chmod(path.constData(), (status.st_mode & 07777) | S_IWUSR) == 0;
}

bool isExistingRegularFile(const QString& fileName) {
    struct stat status {};
    return !fileName.isEmpty() && ::stat(QFile::encodeName(fileName).constData(), &status) == 0 &&
           S_ISREG(status.st_mode);
}

} // namespace tagfile
