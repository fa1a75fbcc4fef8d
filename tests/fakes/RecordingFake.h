#pragma once

#include "core/components/ComponentError.h"
#include "core/components/SampleBlock.h"

#include <QHash>
#include <QStringList>
#include <deque>
#include <memory>

// Base of the recording fakes: every call is logged as "Name.method(arg,arg)" into a log that several fakes may
// share, so a test can check the order of calls across components. Results and failures are scripted per method.
class RecordingFake {
public:
    explicit RecordingFake(QString name, std::shared_ptr<QStringList> log = std::make_shared<QStringList>())
        : name_(std::move(name)), log_(std::move(log)) {}

    [[nodiscard]] const QStringList& calls() const { return *log_; }
    [[nodiscard]] std::shared_ptr<QStringList> log() const { return log_; }
    void clearCalls() { log_->clear(); }

    // The value a method returns from now on (numbers and texts).
    void setResult(const QString& method, qint64 value) { numbers_[method] = value; }
    void setResult(const QString& method, const QString& text) { texts_[method] = text; }
    // The method raises ComponentError with this message from now on; an empty message removes the failure.
    void setFailure(const QString& method, const QString& message) {
        if (message.isEmpty())
            failures_.remove(method);
        else
            failures_[method] = message;
    }
    // Blocks returned by the read operations, in order; an empty block is returned once they are used up.
    void queueReadBlock(SampleBlock block) { blocksToRead_.push_back(std::move(block)); }

protected:
    void record(const QString& method, const QStringList& arguments) const {
        log_->append(QStringLiteral("%1.%2(%3)").arg(name_, method, arguments.join(QLatin1Char(','))));
        const auto failure = failures_.constFind(method);
        if (failure != failures_.constEnd())
            throw ComponentError(*failure, 1);
    }
    [[nodiscard]] qint64 resultNumber(const QString& method) const { return numbers_.value(method, 0); }
    [[nodiscard]] QString resultText(const QString& method) const { return texts_.value(method); }
    SampleBlock nextBlock() {
        if (blocksToRead_.empty())
            return {};
        SampleBlock block = std::move(blocksToRead_.front());
        blocksToRead_.pop_front();
        return block;
    }

private:
    QString name_;
    std::shared_ptr<QStringList> log_;
    QHash<QString, qint64> numbers_;
    QHash<QString, QString> texts_;
    QHash<QString, QString> failures_;
    std::deque<SampleBlock> blocksToRead_;
};
