#pragma once

#include <QString>

// File operations of a library sync that must never leave half a file under an output's name.
namespace syncfiles {

// Copies the file byte for byte through a temporary file in the target's folder (made when missing), renamed over
// the target once the copy is whole. Returns an empty text on success, else why it failed.
[[nodiscard]] QString copyWhole(const QString& from, const QString& to);

// Gives `to` the modification time of `from` to the nanosecond; false when either cannot be reached.
bool copyModificationTime(const QString& from, const QString& to);

// A short hex digest of the file's tags (every field TagLib reads, in its order); empty when the file holds none
// or TagLib does not know its format.
[[nodiscard]] QString tagHash(const QString& fileName);

// Removes the file, then its folders up to (not including) `top` as long as they are empty.
bool removeWithEmptyFolders(const QString& fileName, const QString& top);

} // namespace syncfiles
