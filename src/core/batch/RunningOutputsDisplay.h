#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

// The time left as the total label shows it: "0:07", "12:40", "1:02:03".
[[nodiscard]] QString timeLeftText(qint64 seconds);

// What the progress window shows while outputs run side by side: one line per running output (its file name and
// percentage) in the order they started, and the total with the time left once the engine can estimate it.
class RunningOutputsDisplay {
public:
    void clear();
    void outputStarted(std::size_t output, const QString& destination);
    void outputProgress(std::size_t output, int percent);
    // The output is read back to check it; an existing file the policy would keep gets its line here.
    void outputChecking(std::size_t output, const QString& destination, int percent);
    void outputFinished(std::size_t output);
    void totalProgress(int percent, std::optional<qint64> secondsLeft);

    // "song.mp3  42%", and "song.mp3  Checking 42%" while it is read back
    [[nodiscard]] QStringList lines() const;
    [[nodiscard]] QStringList destinations() const;
    // The output shown on the given line, in the order of lines().
    [[nodiscard]] std::optional<std::size_t> outputAt(int line) const;
    [[nodiscard]] int totalPercent() const { return total_; }
    // "Total 42%", then "Total 42%, 1:05 left"
    [[nodiscard]] QString totalText() const;

private:
    struct Running {
        std::size_t output;
        QString destination;
        int percent;
        bool checking = false;
    };

    std::vector<Running> running_;
    int total_ = 0;
    std::optional<qint64> secondsLeft_;
};
