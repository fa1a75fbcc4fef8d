#pragma once

#include <QString>
#include <cstdio>
#include <memory>
#include <span>

// A binary output file through stdio's buffering, raising ComponentError on any failure.
class StdioFile {
public:
    explicit StdioFile(const QString& fileName);

    void write(std::span<const unsigned char> bytes);
    // For libraries that write through callbacks and can only say that a write failed: writes what it can,
    // without raising, and keeps the system's reason for a failure so that the caller can name it.
    std::size_t writeSome(const void* data, std::size_t size);
    // The reason of the first failed writeSome, empty while none failed.
    [[nodiscard]] const QString& failure() const { return failure_; }
    void writeAt(long offset, std::span<const unsigned char> bytes); // then returns to the end
    [[nodiscard]] long position();
    void close();
    [[nodiscard]] std::FILE* handle() { return file_.get(); }
    [[nodiscard]] const QString& name() const { return fileName_; }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    QString fileName_;
    QString failure_;
    std::unique_ptr<std::FILE, Closer> file_;
};
