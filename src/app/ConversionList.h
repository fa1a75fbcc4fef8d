#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One file of the conversion list, as probed when it came in.
struct ConversionRow {
    QString fullName;
    bool video = false;
    qint64 sizeBytes = 0;
    qint64 lengthMs = 0;
    QString description; // the reader's (or the video component's) description of the file's sound
    bool checked = true;

    [[nodiscard]] bool isAudio() const { return !video; }
};

// The files to convert, in the order they came in. Plain data: the table model shows it, addfile fills it.
class ConversionList {
public:
    [[nodiscard]] int size() const { return static_cast<int>(rows_.size()); }
    [[nodiscard]] bool empty() const { return rows_.empty(); }
    [[nodiscard]] const ConversionRow& at(int row) const { return rows_.at(static_cast<size_t>(row)); }
    [[nodiscard]] ConversionRow& at(int row) { return rows_.at(static_cast<size_t>(row)); }

    // Whether a file is in the list already; names are compared exactly, letter case included.
    [[nodiscard]] bool contains(const QString& fullName) const;

    void append(ConversionRow row) { rows_.push_back(std::move(row)); }
    void removeAt(int row) { rows_.erase(rows_.begin() + row); }
    void clear() { rows_.clear(); }

private:
    std::vector<ConversionRow> rows_;
};
