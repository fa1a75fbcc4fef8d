#include "BatchProgressShown.h"

#include <algorithm>

std::optional<QVariantMap> LauncherProgress::update(int percent) {
    const int shown = percent < 0 ? -1 : std::min(percent, 100);
    if (sent_ == shown)
        return std::nullopt;
    sent_ = shown;
    if (shown < 0)
        return QVariantMap{{QStringLiteral("progress-visible"), false}};
    return QVariantMap{{QStringLiteral("progress"), shown / 100.0}, {QStringLiteral("progress-visible"), true}};
}

QString TitleProgress::titleFor(int percent, const QString& currentTitle) {
    if (percent < 0) {
        const QString plain = plainTitle_.value_or(currentTitle);
        plainTitle_.reset();
        return plain;
    }
    if (!plainTitle_)
        plainTitle_ = currentTitle;
    return QStringLiteral("%1% — %2").arg(std::min(percent, 100)).arg(*plainTitle_);
}
