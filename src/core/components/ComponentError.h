#pragma once

#include <QString>
#include <stdexcept>

// What a component raises when an operation fails. The message is meant for the user's error box.
class ComponentError : public std::runtime_error {
public:
    explicit ComponentError(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString()), message_(message), code_(code) {}

    [[nodiscard]] const QString& message() const { return message_; }
    // One of the LastError values when the failure has one, else 0.
    [[nodiscard]] int code() const { return code_; }

private:
    QString message_;
    int code_;
};

// Values of the audio-file component's last error, read right after opening or creating a file.
namespace LastError {
inline constexpr int Success = 0;
inline constexpr int FileNotFound = 1;
inline constexpr int AccessDenied = 2;
inline constexpr int UnknownFormat = 3;
inline constexpr int CorruptData = 4;
inline constexpr int NoAudioStream = 5;
inline constexpr int UnsupportedFormat = 6;
inline constexpr int CannotCreate = 7;
inline constexpr int EncoderFailure = 8;
inline constexpr int NotImplemented = 9;
} // namespace LastError

[[noreturn]] inline void throwNotImplemented(const char* operation) {
    throw ComponentError(QStringLiteral("not implemented: %1").arg(QString::fromLatin1(operation)),
                         LastError::NotImplemented);
}
