#include "Mp4GaplessTag.h"

#include "OutputFileError.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <taglib/mp4file.h>

namespace {

const char* const kGaplessKey = "----:com.apple.iTunes:iTunSMPB";

QString hex(std::int64_t value, int digits) {
    return QStringLiteral("%1").arg(static_cast<qulonglong>(value), digits, 16, QLatin1Char('0')).toUpper();
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
    TagLib::MP4::File file(QFile::encodeName(fileName).constData());
    if (!file.isValid() || !file.tag())
        outputerror::writeFailure(fileName, QStringLiteral("cannot read back the MP4 file to record its length"));
    const QByteArray text = iTunSmpbText(facts).toUtf8();
    file.tag()->setItem(kGaplessKey,
                        TagLib::MP4::Item(TagLib::StringList(TagLib::String(text.constData(), TagLib::String::UTF8))));
    if (!file.save())
        outputerror::writeFailure(fileName, QStringLiteral("cannot record the MP4 file's length"));
}
