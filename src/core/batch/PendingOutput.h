#pragma once

#include <QString>

// An output file written under a temporary name in its destination's folder and moved to its own name only when
// the conversion ends, so that a conversion that fails never destroys an earlier file of that name and never
// leaves a half-made file under it. The temporary name keeps the destination's extension, which tells the tag
// component the file's kind.
//
// The temporary file is held under an exclusive flock for as long as this object lives. A run that was killed
// outright (SIGKILL, a crash, a power cut) cannot remove its temporary files, but its locks die with it: a later
// run tells such an abandoned file from one a live run is writing by trying the lock (removeAbandonedPendingFiles).
class PendingOutput {
public:
    // Reserves a free temporary name beside the destination by creating an empty file under it, and locks it.
    // Raises ComponentError (LastError::CannotCreate, ...) when the folder cannot take a file.
    explicit PendingOutput(QString destination);
    // Removes the temporary file unless it was moved into place, then gives up the lock.
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
    int lockDescriptor_ = -1;
    bool placed_ = false;
};

// Whether a file name has the shape of a temporary output name (".song.part.mp3", ".song.part7.wav") with the
// extension of one of the output formats.
[[nodiscard]] bool isPendingOutputName(const QString& fileName);

// Removes the temporary output files in a folder that no live run holds a lock on, and returns how many it
// removed. A file some run is still writing is never touched, nor anything that is not a plain file of the
// temporary names' shape.
int removeAbandonedPendingFiles(const QString& folder);
