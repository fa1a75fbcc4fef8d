#pragma once

#include "core/components/ComponentError.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QString>

namespace LastError {
// The output could not be written (a full disk, a failing device): the source is not at fault.
inline constexpr int WriteFailed = 10;
} // namespace LastError

// Errors of making an output file, with the LastError code that fits.
namespace outputerror {

[[noreturn]] inline void cannotCreate(const QString& fileName, const QString& reason) {
    throw ComponentError(Messages::CannotCreateFile().arg(fileName, reason), LastError::CannotCreate);
}

[[noreturn]] inline void encoderFailure(const QString& what, const QString& reason) {
    throw ComponentError(QCoreApplication::translate("Components", "%1 failed: %2").arg(what, reason),
                         LastError::EncoderFailure);
}

[[noreturn]] inline void writeFailure(const QString& fileName, const QString& reason) {
    throw ComponentError(QCoreApplication::translate("Components", "Cannot write \"%1\": %2").arg(fileName, reason),
                         LastError::WriteFailed);
}

} // namespace outputerror
