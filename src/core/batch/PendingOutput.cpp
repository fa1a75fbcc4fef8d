#include "PendingOutput.h"

#include "core/components/ComponentError.h"
#include "core/components/common/FileCreationError.h"
#include "core/formats/OutputFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
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

QByteArray encoded(const QString& fileName) {
    return QFile::encodeName(fileName);
}

// Whether the name in the folder still leads to the open file: a sweeping run may have removed the name between
// its creation and the lock.
bool nameLeadsTo(const QString& fileName, int descriptor) {
    struct stat byName {};
    struct stat byDescriptor {};
    return ::lstat(encoded(fileName).constData(), &byName) == 0 && ::fstat(descriptor, &byDescriptor) == 0 &&
           byName.st_dev == byDescriptor.st_dev && byName.st_ino == byDescriptor.st_ino;
}

const std::set<QString>& outputExtensions() {
    static const std::set<QString> extensions = [] {
        std::set<QString> result;
        for (const OutputFormatFacts& facts : outputFormatTable())
            result.insert(QFileInfo(QLatin1String(facts.suffix)).suffix().toLower());
        return result;
    }();
    return extensions;
}

// Tries to take the lock of an abandoned temporary file and removes it under the lock; false when a live run
// holds it or it is no plain file.
bool removeIfAbandoned(const QString& fileName) {
    const int descriptor = ::open(encoded(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    struct stat facts {};
    bool removed = false;
    if (::fstat(descriptor, &facts) == 0 && S_ISREG(facts.st_mode) && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
        nameLeadsTo(fileName, descriptor)) {
        removed = ::unlink(encoded(fileName).constData()) == 0;
    }
    ::close(descriptor);
    return removed;
}

} // namespace

PendingOutput::PendingOutput(QString destination) : destination_(std::move(destination)) {
    int attempt = 0;
    while (attempt < kNameAttempts) {
        const QString candidate = temporaryCandidate(destination_, attempt);
        const int descriptor = ::open(encoded(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno != EEXIST)
                throw fileCreationError(destination_, errno);
            ++attempt;
            continue;
        }
        // Until the lock is taken, another run's sweep may see the new file as abandoned and remove it; the name
        // is then tried again.
        if (::flock(descriptor, LOCK_EX) == 0 && nameLeadsTo(candidate, descriptor)) {
            temporary_ = candidate;
            lockDescriptor_ = descriptor;
            return;
        }
        ::close(descriptor);
    }
    throw ComponentError(QStringLiteral("Cannot create \"%1\": no free temporary name beside it.").arg(destination_),
                         LastError::CannotCreate);
}

PendingOutput::~PendingOutput() {
    // Removed before the lock goes, so no other run ever sees this file unlocked.
    if (!placed_)
        QFile::remove(temporary_);
    ::close(lockDescriptor_);
}

void PendingOutput::moveIntoPlace() {
    // rename() replaces the destination atomically: there is never a moment without a file of that name.
    if (std::rename(encoded(temporary_).constData(), encoded(destination_).constData()) != 0) {
        throw fileCreationError(destination_, errno);
    }
    placed_ = true;
}

bool isPendingOutputName(const QString& fileName) {
    static const QRegularExpression shape(QStringLiteral("^\\..+\\.part(?:[2-9]|[1-9][0-9]+)?\\.([^.]+)$"));
    const QRegularExpressionMatch match = shape.match(fileName);
    return match.hasMatch() && outputExtensions().count(match.captured(1).toLower()) != 0;
}

int removeAbandonedPendingFiles(const QString& folder) {
    const QDir directory(folder);
    int removed = 0;
    for (const QString& name : directory.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (isPendingOutputName(name) && removeIfAbandoned(directory.filePath(name)))
            ++removed;
    }
    return removed;
}
