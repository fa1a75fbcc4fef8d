#include "PendingOutput.h"

#include "core/components/ComponentError.h"
#include "core/components/common/FileCreationError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Enough for stale names left by earlier runs that were killed; beyond that something is wrong with the folder.
constexpr int kNameAttempts = 100;

// ".song.part.mp3", then ".song.part2.mp3", ...: hidden, in the destination's folder (so the final rename stays
// on one file system), with the destination's extension last.
QString temporaryCandidate(const QString& destination, int attempt) {
    const QFileInfo info(destination);
    const QString marker = attempt == 0 ? QStringLiteral(".part") : QStringLiteral(".part%1").arg(attempt + 1);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(QLatin1Char('.') + base + marker + suffix);
}

} // namespace

PendingOutput::PendingOutput(QString destination) : destination_(std::move(destination)) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString candidate = temporaryCandidate(destination_, attempt);
        const int descriptor =
            ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            ::close(descriptor);
            temporary_ = candidate;
            return;
        }
        if (errno != EEXIST) {
            throw fileCreationError(destination_, errno);
        }
    }
    throw ComponentError(QStringLiteral("Cannot create \"%1\": no free temporary name beside it.").arg(destination_),
                         LastError::CannotCreate);
}

PendingOutput::~PendingOutput() {
    if (!placed_)
        QFile::remove(temporary_);
}

void PendingOutput::moveIntoPlace() {
    // rename() replaces the destination atomically: there is never a moment without a file of that name.
    if (std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(destination_).constData()) != 0) {
        throw fileCreationError(destination_, errno);
    }
    placed_ = true;
}
