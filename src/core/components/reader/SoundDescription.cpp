#include "SoundDescription.h"

#include "core/components/common/ChannelText.h"

#include <QStringList>

namespace sounddescription {

QString describe(const QString& codecName, qint64 bitsPerSecond, int sampleRate, int channels) {
    QStringList parts{codecName};
    if (bitsPerSecond > 0)
        parts << QStringLiteral("%1 kbit/s").arg((bitsPerSecond + 500) / 1000);
    parts << QStringLiteral("%1 Hz").arg(sampleRate) << channelCountText(channels);
    return parts.join(QStringLiteral(", "));
}

QString pcmName(int bits, bool isFloat) {
    return isFloat ? QStringLiteral("PCM %1-bit float").arg(bits) : QStringLiteral("PCM %1-bit").arg(bits);
}

} // namespace sounddescription
