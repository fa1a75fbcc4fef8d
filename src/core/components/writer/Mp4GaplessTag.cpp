#include "Mp4GaplessTag.h"

#include "OutputFileError.h"

#include <QFile>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <taglib/mp4file.h>

namespace {

const char* const kGaplessKey = "----:com.apple.iTunes:iTunSMPB";

QString hex(std::int64_t value, int digits) {
    return QStringLiteral("%1").arg(static_cast<qulonglong>(value), digits, 16, QLatin1Char('0')).toUpper();
}

// Whether the file's top-level boxes follow each other to its very end, none cut off. TagLib does not check its
// writes: on a full disk its save succeeds and leaves a file whose last box runs past the end.
bool boxesFillTheFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 fileSize = file.size();
    qint64 position = 0;
    while (position < fileSize) {
        if (!file.seek(position))
            return false;
        const QByteArray header = file.read(16);
        if (header.size() < 8)
            return false;
        qint64 size = qFromBigEndian<quint32>(header.constData());
        if (size == 0) // the last box, running to the end of the file
            return true;
        if (size == 1) {
            if (header.size() < 16)
                return false;
            size = static_cast<qint64>(qFromBigEndian<quint64>(header.constData() + 8));
        }
        if (size < 8)
            return false;
        position += size;
    }
    return position == fileSize;
}

} // namespace

QString iTunSmpbText(const GaplessFacts& facts) {
    const std::int64_t padding = std::max<std::int64_t>(0, facts.codedSamples - facts.delay - facts.samples);
    QString text =
        QStringLiteral(" 00000000 %1 %2 %3").arg(hex(facts.delay, 8), hex(padding, 8), hex(facts.samples, 16));
    for (int field = 0; field < 8; ++field)
        text += QStringLiteral(" 00000000");
    return text;
}

std::optional<GaplessFacts> gaplessFactsOf(const QString& iTunSmpb) {
    const QStringList fields = iTunSmpb.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() < 4)
        return std::nullopt;
    bool delayRead = false;
    bool paddingRead = false;
    bool samplesRead = false;
    GaplessFacts facts;
    facts.delay = fields[1].toLongLong(&delayRead, 16);
    const std::int64_t padding = fields[2].toLongLong(&paddingRead, 16);
    facts.samples = fields[3].toLongLong(&samplesRead, 16);
    if (!delayRead || !paddingRead || !samplesRead || facts.delay < 0 || padding < 0 || facts.samples < 0)
        return std::nullopt;
    facts.codedSamples = facts.delay + facts.samples + padding;
    return facts;
}

std::optional<GaplessFacts> readGaplessFacts(const QString& fileName) {
    TagLib::MP4::File file(QFile::encodeName(fileName).constData(), false);
    if (!file.isValid() || !file.tag() || !file.tag()->contains(kGaplessKey))
        return std::nullopt;
    const TagLib::StringList texts = file.tag()->item(kGaplessKey).toStringList();
    if (texts.isEmpty())
        return std::nullopt;
    return gaplessFactsOf(QString::fromStdString(texts.front().to8Bit(true)));
}

void recordGaplessFacts(const QString& fileName, const GaplessFacts& facts) {
    errno = 0;
    {
        TagLib::MP4::File file(QFile::encodeName(fileName).constData());
        if (!file.isValid() || !file.tag())
            outputerror::writeFailure(fileName, QStringLiteral("cannot read back the MP4 file to record its length"));
        const QByteArray text = iTunSmpbText(facts).toUtf8();
        file.tag()->setItem(
            kGaplessKey, TagLib::MP4::Item(TagLib::StringList(TagLib::String(text.constData(), TagLib::String::UTF8))));
        if (!file.save())
            outputerror::writeFailure(fileName, QStringLiteral("cannot record the MP4 file's length"));
    }
    // The system's reason of the write TagLib did not check is the last one it left.
    const int failure = errno;
    if (!boxesFillTheFile(fileName))
        outputerror::writeFailure(fileName, failure != 0 ? QString::fromLocal8Bit(std::strerror(failure))
                                                         : QStringLiteral("the MP4 file was cut short"));
}
