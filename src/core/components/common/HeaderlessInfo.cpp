#include "HeaderlessInfo.h"

#include <QFile>
#include <array>
#include <sys/xattr.h>

namespace {

constexpr const char* kRateAttribute = "user.tonalith.rate";
constexpr const char* kChannelsAttribute = "user.tonalith.channels";
constexpr const char* kSampleTypeAttribute = "user.tonalith.sampletype";

bool setAttribute(const QByteArray& path, const char* name, const QByteArray& value) {
    return ::setxattr(path.constData(), name, value.constData(), static_cast<size_t>(value.size()), 0) == 0;
}

std::optional<QByteArray> getAttribute(const QByteArray& path, const char* name) {
    std::array<char, 64> buffer{};
    const ssize_t length = ::getxattr(path.constData(), name, buffer.data(), buffer.size());
    if (length < 0)
        return std::nullopt;
    return QByteArray(buffer.data(), static_cast<int>(length));
}

} // namespace

bool writeHeaderlessInfo(const QString& fileName, const HeaderlessInfo& info) {
    const QByteArray path = QFile::encodeName(fileName);
    return setAttribute(path, kRateAttribute, QByteArray::number(info.sampleRate)) &&
           setAttribute(path, kChannelsAttribute, QByteArray::number(info.channels)) &&
           setAttribute(path, kSampleTypeAttribute, info.sampleType.toUtf8());
}

std::optional<HeaderlessInfo> readHeaderlessInfo(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    const auto rate = getAttribute(path, kRateAttribute);
    const auto channels = getAttribute(path, kChannelsAttribute);
    const auto sampleType = getAttribute(path, kSampleTypeAttribute);
    if (!rate || !channels || !sampleType)
        return std::nullopt;
    bool rateOk = false;
    bool channelsOk = false;
    HeaderlessInfo info{rate->toInt(&rateOk), channels->toInt(&channelsOk), QString::fromUtf8(*sampleType)};
    if (!rateOk || !channelsOk || info.sampleRate < 1000 || info.sampleRate > 384000 || info.channels < 1 ||
        info.channels > 8 || info.sampleType.isEmpty())
        return std::nullopt;
    return info;
}
