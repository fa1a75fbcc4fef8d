#pragma once

#include "core/components/ComponentError.h"
#include "core/ports/Messages.h"

#include <QString>
#include <cerrno>
#include <cstring>

// The component error for a file the system would not create, with the LastError code that fits its errno.
inline ComponentError fileCreationError(const QString& fileName, int error) {
    int code = LastError::CannotCreate;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        code = LastError::AccessDenied;
        break;
    case ENOENT:
    case ENOTDIR:
        code = LastError::FileNotFound;
        break;
    default:
        break;
    }
    return ComponentError(Messages::CannotCreateFile().arg(fileName, QString::fromLocal8Bit(std::strerror(error))),
                          code);
}
