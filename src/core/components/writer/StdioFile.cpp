#include "StdioFile.h"

#include "OutputFileError.h"

#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

StdioFile::StdioFile(const QString& fileName) : fileName_(fileName) {
    file_.reset(std::fopen(QFile::encodeName(fileName).constData(), "wb"));
    if (!file_)
        outputerror::cannotCreate(fileName, systemReason());
}

void StdioFile::write(std::span<const unsigned char> bytes) {
    if (bytes.empty())
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size())
        outputerror::writeFailure(fileName_, systemReason());
}

std::size_t StdioFile::writeSome(const void* data, std::size_t size) {
    const std::size_t written = std::fwrite(data, 1, size, file_.get());
    if (written != size && failure_.isEmpty())
        failure_ = systemReason();
    return written;
}

void StdioFile::writeAt(long offset, std::span<const unsigned char> bytes) {
    if (std::fseek(file_.get(), offset, SEEK_SET) != 0)
        outputerror::writeFailure(fileName_, systemReason());
    write(bytes);
    if (std::fseek(file_.get(), 0, SEEK_END) != 0)
        outputerror::writeFailure(fileName_, systemReason());
}

long StdioFile::position() {
    return std::ftell(file_.get());
}

// A write that failed inside stdio (a flush on a seek, say) leaves only the error mark behind: fclose may then
// succeed with the bytes lost, so the mark is checked as well.
void StdioFile::close() {
    std::FILE* file = file_.release();
    if (!file)
        return;
    const bool failedBefore = std::ferror(file) != 0;
    const QString reasonBefore = systemReason();
    if (std::fclose(file) != 0)
        outputerror::writeFailure(fileName_, systemReason());
    if (failedBefore)
        outputerror::writeFailure(fileName_, reasonBefore);
}
