#include "OutputNaming.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace {

constexpr QChar kSeparator = QLatin1Char('/');
constexpr int kMaxNewMarkers = 8;

bool sameInode(const QString& first, const QString& second) {
    struct stat firstStatus {};
    struct stat secondStatus {};
    if (::stat(QFile::encodeName(first).constData(), &firstStatus) != 0 ||
        ::stat(QFile::encodeName(second).constData(), &secondStatus) != 0)
        return false;
    return firstStatus.st_dev == secondStatus.st_dev && firstStatus.st_ino == secondStatus.st_ino;
}

} // namespace

QString outputFolderFor(const QString& folderText, const QString& sourceName) {
    if (folderText.isEmpty())
        return sourceName.left(sourceName.lastIndexOf(kSeparator) + 1);
    return folderText.endsWith(kSeparator) ? folderText : folderText + kSeparator;
}

QString outputBaseName(const QString& sourceName) {
    return QFileInfo(sourceName).completeBaseName();
}

QString destinationName(const QString& outputFolder, const QString& baseName, OutputFormat format) {
    return outputFolder + baseName + outputSuffix(format);
}

bool denoteSameFile(const QString& first, const QString& second) {
    if (first == second)
        return true;
    const QString firstCanonical = QFileInfo(first).canonicalFilePath();
    if (!firstCanonical.isEmpty() && firstCanonical == QFileInfo(second).canonicalFilePath())
        return true;
    return sameInode(first, second);
}

QString withNewMarker(const QString& fileName, int number) {
    const int folderEnd = static_cast<int>(fileName.lastIndexOf(kSeparator)) + 1;
    const int dot = static_cast<int>(fileName.lastIndexOf(QLatin1Char('.')));
    const int extensionStart = dot >= folderEnd ? dot : static_cast<int>(fileName.size());
    const QString marker = number > 1 ? QStringLiteral("_NEW%1").arg(number) : QStringLiteral("_NEW");
    return fileName.left(extensionStart) + marker + fileName.mid(extensionStart);
}

QString destinationSparingSource(const QString& sourceName, const QString& destination) {
    QString candidate = destination;
    for (int attempt = 0; attempt <= kMaxNewMarkers; ++attempt) {
        if (!denoteSameFile(sourceName, candidate))
            return candidate;
        candidate = withNewMarker(candidate);
    }
    return {};
}
