#pragma once

#include "core/batch/BatchEngine.h"

#include <QTextStream>
#include <functional>
#include <map>

// Prints the output lines of tonalith-cli convert as the batch reports. One output at a time keeps the lines every
// script knows (progress=NN, output=, error=); with outputs side by side each progress line names its output, and
// total= and time_left= lines follow the whole batch. Whenever the batch lets the caller look around, onIdle runs.
class ConvertLines : public EngineObserver {
public:
    ConvertLines(QTextStream& out, bool sideBySide, std::function<void()> onIdle = {})
        : out_(out), sideBySide_(sideBySide), onIdle_(std::move(onIdle)) {}

    void outputProgress(std::size_t output, int percent) override;
    void outputFinished(std::size_t output, const OutputReport& report) override;
    void outputStarted(std::size_t output, const QString& source, const QString& destination) override;
    void totalProgress(int percent, std::optional<qint64> secondsLeft) override;
    void idle() override;

private:
    QTextStream& out_;
    bool sideBySide_;
    std::function<void()> onIdle_;
    std::map<std::size_t, int> lastPercent_;
    std::map<std::size_t, QString> destinations_;
};
