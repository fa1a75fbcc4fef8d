#include "PendingOutput.h"

#include "core/components/ComponentError.h"
#include "core/components/common/FileCreationError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for names taken by other runs writing the same destination; beyond that something is wrong with the folder.
constexpr int kNameAttempts = 100;
constexpr int kTokenDigits = 8;
constexpr int kCheckBytes = 8;
constexpr int kMarkDigits = kTokenDigits + 2 * kCheckBytes;

QByteArray encoded(const QString& fileName) {
    return QFile::encodeName(fileName);
}

// The parts of a temporary name: "." + stem + "." + token + check + ".part" + ("." + extension, when the
// destination has one).
struct PendingNameParts {
    QString stem;
    QString token;
    QString extension; // with its dot; empty when the destination has none

    // The check binds the token to the rest of the name, so that only a name made here passes it.
    [[nodiscard]] QString check() const {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(QByteArrayView("tonalith pending output\n"));
        hash.addData((stem + QLatin1Char('\n') + token + QLatin1Char('\n') + extension).toUtf8());
        return QString::fromLatin1(hash.result().left(kCheckBytes).toHex());
    }

    [[nodiscard]] QString fileName() const {
        return QLatin1Char('.') + stem + QLatin1Char('.') + token + check() + QStringLiteral(".part") + extension;
    }
};

// Bytes a name's fixed parts take besides the stem: the dots, the mark and ".part".
constexpr qsizetype kFixedNameBytes = 1 + 1 + kMarkDigits + 5;

qsizetype nameLimitOf(const QString& folder) {
    const long limit = ::pathconf(encoded(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<qsizetype>(limit) : NAME_MAX;
}

// The stem cut, whole characters at a time, until it takes no more than the given bytes.
QString stemWithin(QString stem, qsizetype bytes) {
    while (!stem.isEmpty() && encoded(stem).size() > bytes)
        stem.chop(stem.size() >= 2 && stem.back().isLowSurrogate() ? 2 : 1);
    return stem;
}

QString randomToken() {
    return QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), kTokenDigits, 16, QLatin1Char('0'));
}

// Whether the name in the folder still leads to the open file: a sweeping run may have removed the name between
// its creation and the lock.
bool nameLeadsTo(const QString& fileName, int descriptor) {
    struct stat byName {};
    struct stat byDescriptor {};
    return ::lstat(encoded(fileName).constData(), &byName) == 0 && ::fstat(descriptor, &byDescriptor) == 0 &&
           byName.st_dev == byDescriptor.st_dev && byName.st_ino == byDescriptor.st_ino;
}

// Tries to take the lock of an abandoned temporary file and removes it under the lock; false when a live run
// holds it, it is spared, or it is no plain file of one link (a link elsewhere means someone kept it).
bool removeIfAbandoned(const QString& fileName, const std::set<FileIdentity>& spared) {
    const int descriptor = ::open(encoded(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    struct stat facts {};
    bool removed = false;
    if (::fstat(descriptor, &facts) == 0 && S_ISREG(facts.st_mode) && facts.st_nlink == 1 &&
        spared.count({facts.st_dev, facts.st_ino}) == 0 && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
        nameLeadsTo(fileName, descriptor)) {
        removed = ::unlink(encoded(fileName).constData()) == 0;
    }
    ::close(descriptor);
    return removed;
}

} // namespace

PendingOutput::PendingOutput(QString destination) : destination_(std::move(destination)) {
    const QFileInfo info(destination_);
    const qsizetype limit = nameLimitOf(info.path());
    // The destination's own name is never shortened: one the file system cannot hold fails here, before any file
    // is made.
    if (encoded(info.fileName()).size() > limit)
        throw fileCreationError(destination_, ENAMETOOLONG);
    PendingNameParts parts;
    parts.extension = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    parts.stem = stemWithin(info.suffix().isEmpty() ? info.fileName() : info.completeBaseName(),
                            limit - kFixedNameBytes - encoded(parts.extension).size());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        parts.token = randomToken();
        const QString candidate = info.dir().filePath(parts.fileName());
        const int descriptor = ::open(encoded(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno != EEXIST)
                throw fileCreationError(destination_, errno);
            continue;
        }
        // Until the lock is taken, another run's sweep may see the new file as abandoned and remove it; another
        // name is then tried.
        if (::flock(descriptor, LOCK_EX) == 0 && nameLeadsTo(candidate, descriptor)) {
            temporary_ = candidate;
            lockDescriptor_ = descriptor;
            return;
        }
        ::close(descriptor);
    }
    throw ComponentError(QCoreApplication::translate("Batch", "Cannot create \"%1\": no free temporary name beside it.")
                             .arg(destination_),
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
    static const QRegularExpression shape(QStringLiteral("^\\.(.*)\\.([0-9a-f]{%1})([0-9a-f]{%2})\\.part(\\.[^.]*)?\\z")
                                              .arg(kTokenDigits)
                                              .arg(2 * kCheckBytes),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = shape.match(fileName);
    if (!match.hasMatch())
        return false;
    const PendingNameParts parts{match.captured(1), match.captured(2), match.captured(4)};
    return parts.check() == match.captured(3);
}

std::set<FileIdentity> identitiesOf(const QStringList& fileNames) {
    std::set<FileIdentity> identities;
    for (const QString& fileName : fileNames) {
        struct stat facts {};
        if (::stat(encoded(fileName).constData(), &facts) == 0)
            identities.insert({facts.st_dev, facts.st_ino});
    }
    return identities;
}

int removeAbandonedPendingFiles(const QString& folder, const std::set<FileIdentity>& spared) {
    const QDir directory(folder);
    int removed = 0;
    for (const QString& name : directory.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (isPendingOutputName(name) && removeIfAbandoned(directory.filePath(name), spared))
            ++removed;
    }
    return removed;
}
