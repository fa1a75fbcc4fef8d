#include "Mp4GaplessTag.h"

#include "OutputFileError.h"

#include <QFile>
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
