#pragma once

#include <QString>

// An output file written under a temporary name in its destination's folder and moved to its own name only when
// the conversion ends, so that a conversion that fails never destroys an earlier file of that name and never
// leaves a half-made file under it. The temporary name keeps the destination's extension, which tells the tag
// component the file's kind.
class PendingOutput {
public:
    // Reserves a free temporary name beside the destination by creating an empty file under it.
    // Raises ComponentError (LastError::CannotCreate, ...) when the folder cannot take a file.
    explicit PendingOutput(QString destination);
    // Removes the temporary file unless it was moved into place.
    ~PendingOutput();
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    [[nodiscard]] const QString& temporaryName() const { return temporary_; }
    [[nodiscard]] const QString& destination() const { return destination_; }

    // Replaces whatever bears the destination's name with the temporary file, in one step.
    // Raises ComponentError when the file system refuses.
    void moveIntoPlace();

private:
    QString destination_;
    QString temporary_;
    bool placed_ = false;
};
