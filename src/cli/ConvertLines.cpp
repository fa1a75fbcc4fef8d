#include "ConvertLines.h"

#include "LineText.h"

void ConvertLines::outputStarted(std::size_t output, const QString&, const QString& destination) {
    destinations_[output] = destination;
}

void ConvertLines::outputProgress(std::size_t output, int percent) {
    const auto last = lastPercent_.find(output);
    if (last != lastPercent_.end() && last->second == percent)
        return;
    lastPercent_[output] = percent;
    out_ << "progress=" << percent;
    if (sideBySide_)
        out_ << ' ' << oneLine(destinations_[output]);
    out_ << '\n';
    out_.flush();
}

void ConvertLines::outputFinished(std::size_t output, const OutputReport& report) {
    lastPercent_.erase(output);
    destinations_.erase(output);
    switch (report.status) {
    case OutputStatus::Made:
        out_ << "output=" << oneLine(report.destination) << '\n';
        break;
    case OutputStatus::Skipped:
        out_ << "skipped=" << oneLine(report.destination) << '\n';
        break;
    case OutputStatus::Failed:
        out_ << "error=" << oneLine(report.reason) << '\n';
        break;
    case OutputStatus::Cancelled:
        out_ << "cancelled=" << oneLine(report.destination) << '\n';
        break;
    case OutputStatus::NotStarted:
        break;
    }
    out_.flush();
}

void ConvertLines::totalProgress(int percent, std::optional<qint64> secondsLeft) {
    if (!sideBySide_)
        return;
    out_ << "total=" << percent << '\n';
    if (secondsLeft)
        out_ << "time_left=" << *secondsLeft << '\n';
    out_.flush();
}

void ConvertLines::idle() {
    if (onIdle_)
        onIdle_();
}
