#include "RunningOutputsDisplay.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint64 kSecondsPerMinute = 60;
constexpr qint64 kSecondsPerHour = 3600;

QString twoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString timeLeftText(qint64 seconds) {
    seconds = std::max<qint64>(seconds, 0);
    const qint64 hours = seconds / kSecondsPerHour;
    const qint64 minutes = seconds % kSecondsPerHour / kSecondsPerMinute;
    const QString tail = twoDigits(seconds % kSecondsPerMinute);
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(twoDigits(minutes), tail);
    return QStringLiteral("%1:%2").arg(minutes).arg(tail);
}

void RunningOutputsDisplay::clear() {
    running_.clear();
    total_ = 0;
    secondsLeft_.reset();
}

void RunningOutputsDisplay::outputStarted(std::size_t output, const QString& destination) {
    outputFinished(output);
    running_.push_back({output, destination, 0});
}

void RunningOutputsDisplay::outputProgress(std::size_t output, int percent) {
    const auto running = std::find_if(running_.begin(), running_.end(),
                                      [output](const Running& entry) { return entry.output == output; });
    if (running != running_.end())
        running->percent = std::clamp(percent, 0, 100);
}

void RunningOutputsDisplay::outputChecking(std::size_t output, const QString& destination, int percent) {
    auto running = std::find_if(running_.begin(), running_.end(),
                                [output](const Running& entry) { return entry.output == output; });
    if (running == running_.end())
        running = running_.insert(running_.end(), Running{output, destination, 0});
    running->percent = std::clamp(percent, 0, 100);
    running->checking = true;
}

void RunningOutputsDisplay::outputFinished(std::size_t output) {
    std::erase_if(running_, [output](const Running& entry) { return entry.output == output; });
}

void RunningOutputsDisplay::totalProgress(int percent, std::optional<qint64> secondsLeft) {
    total_ = std::clamp(percent, 0, 100);
    secondsLeft_ = secondsLeft;
}

QStringList RunningOutputsDisplay::lines() const {
    QStringList lines;
    for (const Running& entry : running_) {
        const QString format =
            entry.checking ? QCoreApplication::translate("Batch", "%1  Checking %2%") : QStringLiteral("%1  %2%");
        lines.append(format.arg(QFileInfo(entry.destination).fileName()).arg(entry.percent));
    }
    return lines;
}

QStringList RunningOutputsDisplay::destinations() const {
    QStringList names;
    for (const Running& entry : running_)
        names.append(entry.destination);
    return names;
}

std::optional<std::size_t> RunningOutputsDisplay::outputAt(int line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= running_.size())
        return std::nullopt;
    return running_[static_cast<std::size_t>(line)].output;
}

QString RunningOutputsDisplay::totalText() const {
    QString text = Messages::TotalProgress().arg(total_);
    if (secondsLeft_ && total_ < 100)
        text += QCoreApplication::translate("Batch", ", %1 left").arg(timeLeftText(*secondsLeft_));
    return text;
}
