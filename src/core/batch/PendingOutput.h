#pragma once

#include <QString>
#include <QStringList>

#include <set>
#include <utility>

// An output file written under a temporary name in its destination's folder and moved to its own name only when
// the conversion ends, so that a conversion that fails never destroys an earlier file of that name and never
// leaves a half-made file under it. The temporary name keeps the destination's extension, which tells the tag
// component the file's kind.
//
// The temporary name is hidden and carries a mark: a random token and a check computed from the rest of the name
// (".song.3fa9c2e18d0b7e4a5c6f1d2e.part.mp3"). A name a person gives a file does not pass the check, so a sweep
// never takes a user's ".take1.part.wav" for one of ours. The name never exceeds what the folder's file system
// allows: when the destination's own name is close to that limit, the hidden name carries a shortened stem (the
// destination keeps its whole name; the object knows it).
//
// The temporary file is held under an exclusive flock for as long as this object lives. A run that was killed
// outright (SIGKILL, a crash, a power cut) cannot remove its temporary files, but its locks die with it: a later
// run tells such an abandoned file from one a live run is writing by trying the lock (removeAbandonedPendingFiles).
class PendingOutput {
public:
    // Reserves a free temporary name beside the destination by creating an empty file under it, and locks it.
    // Raises ComponentError (LastError::CannotCreate, ...) when the folder cannot take a file, or when the
    // destination's name is longer than its file system allows.
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

// Whether a file name (without folder) is a temporary output name this program made: hidden, with a mark whose
// check holds.
[[nodiscard]] bool isPendingOutputName(const QString& fileName);

// A file as the system knows it (device and inode), whatever name or link leads to it.
using FileIdentity = std::pair<quint64, quint64>;
// The identities of the files of these names that exist.
[[nodiscard]] std::set<FileIdentity> identitiesOf(const QStringList& fileNames);

// Removes the temporary output files in a folder that no live run holds a lock on, and returns how many it
// removed. A file some run is still writing is never touched, nor a spared file (the sources of a batch), nor
// anything that is not a plain file with one link and a temporary name this program made.
int removeAbandonedPendingFiles(const QString& folder, const std::set<FileIdentity>& spared = {});
