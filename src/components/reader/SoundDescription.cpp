#include "SoundDescription.h"

#include <QStringList>

namespace sounddescription {

QString channelText(int channels) {
    if (channels == 1)
        return QStringLiteral("Mono");
    if (channels == 2)
        return QStringLiteral("Stereo");
    return QStringLiteral("%1 channels").arg(channels);
}

QString describe(const QString& codecName, qint64 bitsPerSecond, int sampleRate, int channels) {
    QStringList parts{codecName};
    if (bitsPerSecond > 0)
        parts << QStringLiteral("%1 kbit/s").arg((bitsPerSecond + 500) / 1000);
    parts << QStringLiteral("%1 Hz").arg(sampleRate) << channelText(channels);
    return parts.join(QStringLiteral(", "));
}

QString pcmName(int bits, bool isFloat) {
    return isFloat ? QStringLiteral("PCM %1-bit float").arg(bits) : QStringLiteral("PCM %1-bit").arg(bits);
}

} // namespace sounddescription
