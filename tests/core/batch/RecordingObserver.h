#pragma once

#include "core/batch/ConversionObserver.h"

#include <QStringList>
#include <memory>
#include <ostream>

// Readable failure output for the call lists.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Logs what a conversion reports into the log the recording fakes share, so one list shows the whole order.
class RecordingObserver : public ConversionObserver {
public:
    explicit RecordingObserver(std::shared_ptr<QStringList> log) : log_(std::move(log)) {}

    int blocksBeforeCancel = -1; // -1: never cancel

    void conversionStarted(const QString& source, const QString& destination) override {
        log_->append(QStringLiteral("Observer.started(%1,%2)").arg(source, destination));
    }
    void progressChanged(int percent) override { log_->append(QStringLiteral("Observer.progress(%1)").arg(percent)); }
    void progressReset() override { log_->append(QStringLiteral("Observer.reset()")); }
    bool mayContinue() override { return blocksBeforeCancel < 0 || --blocksBeforeCancel > 0; }
    void conversionFailed(const QString& message, const QString& caption) override {
        log_->append(QStringLiteral("Observer.failed(%1,%2)").arg(message, caption));
    }
    void conversionCancelled() override { log_->append(QStringLiteral("Observer.cancelled()")); }

private:
    std::shared_ptr<QStringList> log_;
};
