#pragma once

#include <QCoreApplication>
#include <QString>

// Message texts that more than one part of the program shows. They stay exactly as users have always seen them,
// misspellings included, so each is spelled here once. Each is a function rather than a constant so that it is
// translated when shown, after the user's translator is installed, not when the program loads.
namespace Messages {

inline QString ErrorCaption() {
    return QCoreApplication::translate("Messages", "Error");
}

// A file that opens but reports no length.
inline QString InvalidAudioFormat() {
    return QCoreApplication::translate("Messages", "Invalid Audio Format!");
}
inline QString InvalidVideoFormat() {
    return QCoreApplication::translate("Messages", "Invalid Vidio Format!");
}

inline QString NoOutputFormatChosen() {
    return QCoreApplication::translate("Messages", "Please choose the output format!");
}
inline QString ChooseOutputFolder() {
    return QCoreApplication::translate("Messages", "Select an output folder");
}

// The source's name follows without a blank.
inline QString SourceNotFound() {
    return QCoreApplication::translate("Messages", "Can not find out the source file:");
}
// %1: the component's error code.
inline QString SourceCannotBeOpened() {
    return QCoreApplication::translate("Messages", "The source cannot be opened (error %1).");
}
// %1: the sample rate, %2: the channel count.
inline QString SourceSoundUnusable() {
    return QCoreApplication::translate("Messages", "The source reports %1 Hz and %2 channels.");
}
// When a failed conversion gives no reason of its own.
inline QString ConversionFailed() {
    return QCoreApplication::translate("Messages", "The conversion failed.");
}
// %1: the batch's percentage.
inline QString TotalProgress() {
    return QCoreApplication::translate("Messages", "Total %1%");
}

// Why a file cannot be used. %1: the file's name (some callers give the whole path, some the name alone).
inline QString FileDoesNotExist() {
    return QCoreApplication::translate("Messages", "The file \"%1\" does not exist.");
}
inline QString FileCannotBeRead() {
    return QCoreApplication::translate("Messages", "The file \"%1\" cannot be read.");
}
// %2: the system's reason, without a closing full stop.
inline QString FileCannotBeReadBecause() {
    return QCoreApplication::translate("Messages", "The file \"%1\" cannot be read: %2.");
}
inline QString FileAccessDenied() {
    return QCoreApplication::translate("Messages", "The file \"%1\" cannot be read: access denied.");
}
inline QString FileIsEmpty() {
    return QCoreApplication::translate("Messages", "The file \"%1\" is empty.");
}
inline QString FileHoldsNoSound() {
    return QCoreApplication::translate("Messages", "The file \"%1\" holds no sound.");
}
inline QString NoSuchSoundTrack() {
    return QCoreApplication::translate("Messages", "The file \"%1\" has %2 sound tracks; there is no sound track %3.");
}
inline QString LoudnessOfChosenSoundTrack() {
    return QCoreApplication::translate(
        "Messages", "loudness is measured on the sound track the file plays by default, not on the one chosen");
}
inline QString FileTagsDamaged() {
    return QCoreApplication::translate("Messages", "The file \"%1\" is damaged; its tags cannot be written.");
}
inline QString NotARegularFile() {
    return QCoreApplication::translate("Messages", "\"%1\" is not a regular file.");
}
// %1: the file's name, %2: the reason.
inline QString CannotCreateFile() {
    return QCoreApplication::translate("Messages", "Cannot create \"%1\": %2");
}

// Reasons that follow the name of a library that failed: "libFLAC failed: out of memory".
inline QString OutOfMemory() {
    return QCoreApplication::translate("Messages", "out of memory");
}
inline QString CannotMakeEncoder() {
    return QCoreApplication::translate("Messages", "cannot make an encoder");
}

// The output folder's text names no folder that can be made.
inline QString InvalidOutputFolderName() {
    return QCoreApplication::translate("Messages", "Invalid Output Folder Name!");
}

// The name a new folder gets, and the caption of what is said when it cannot be made.
inline QString NewFolder() {
    return QCoreApplication::translate("Messages", "New Folder");
}

// The channel choices of the format dialogs, and how a description names one or two channels.
inline QString Mono() {
    return QCoreApplication::translate("Messages", "Mono");
}
inline QString Stereo() {
    return QCoreApplication::translate("Messages", "Stereo");
}

// A batch beside the main window: its paused total, closing the program under it, a tag edit of a file it works on,
// and "Convert" while it runs with nothing new checked, or after it took its last output.
inline QString BatchPaused() {
    return QCoreApplication::translate("Messages", "Total %1%, paused");
}
inline QString CloseDuringBatch() {
    return QCoreApplication::translate("Messages", "A conversion is running. Cancel it and exit?");
}
inline QString TagEditWhileConverting() {
    return QCoreApplication::translate("Messages",
                                       "\"%1\" is being converted. Its tags can be edited once its outputs are done.");
}
inline QString NothingNewToConvert() {
    return QCoreApplication::translate(
        "Messages", "Every checked file is in the running conversion already. Check the files to add to it.");
}
inline QString BatchEnding() {
    return QCoreApplication::translate("Messages",
                                       "The running conversion is ending. Press Convert again once it has finished.");
}
// A library is mirrored on its own, not beside a running conversion.
inline QString MirrorWhileConverting() {
    return QCoreApplication::translate("Messages", "A conversion is running. Mirror the folder once it has finished.");
}

} // namespace Messages
