#pragma once

#include <QString>

// Message texts that more than one part of the program shows. They stay exactly as users have always seen them,
// misspellings included, so each is spelled here once.
namespace Messages {

inline const QString ErrorCaption = QStringLiteral("Error");

// A file that opens but reports no length.
inline const QString InvalidAudioFormat = QStringLiteral("Invalid Audio Format!");
inline const QString InvalidVideoFormat = QStringLiteral("Invalid Vidio Format!");

inline const QString NoOutputFormatChosen = QStringLiteral("Please choose the output format!");
inline const QString ChooseOutputFolder = QStringLiteral("Select an output folder");

// The source's name follows without a blank.
inline const QString SourceNotFound = QStringLiteral("Can not find out the source file:");
// %1: the component's error code.
inline const QString SourceCannotBeOpened = QStringLiteral("The source cannot be opened (error %1).");
// %1: the sample rate, %2: the channel count.
inline const QString SourceSoundUnusable = QStringLiteral("The source reports %1 Hz and %2 channels.");
// When a failed conversion gives no reason of its own.
inline const QString ConversionFailed = QStringLiteral("The conversion failed.");
// %1: the batch's percentage.
inline const QString TotalProgress = QStringLiteral("Total %1%");

// Why a file cannot be used. %1: the file's name (some callers give the whole path, some the name alone).
inline const QString FileDoesNotExist = QStringLiteral("The file \"%1\" does not exist.");
inline const QString FileCannotBeRead = QStringLiteral("The file \"%1\" cannot be read.");
// %2: the system's reason, without a closing full stop.
inline const QString FileCannotBeReadBecause = QStringLiteral("The file \"%1\" cannot be read: %2.");
inline const QString FileAccessDenied = QStringLiteral("The file \"%1\" cannot be read: access denied.");
inline const QString FileIsEmpty = QStringLiteral("The file \"%1\" is empty.");
inline const QString FileHoldsNoSound = QStringLiteral("The file \"%1\" holds no sound.");
inline const QString NoSuchSoundTrack =
    QStringLiteral("The file \"%1\" has %2 sound tracks; there is no sound track %3.");
inline const QString LoudnessOfChosenSoundTrack =
    QStringLiteral("loudness is measured on the sound track the file plays by default, not on the one chosen");
inline const QString FileTagsDamaged = QStringLiteral("The file \"%1\" is damaged; its tags cannot be written.");
inline const QString NotARegularFile = QStringLiteral("\"%1\" is not a regular file.");
// %1: the file's name, %2: the reason.
inline const QString CannotCreateFile = QStringLiteral("Cannot create \"%1\": %2");

// Reasons that follow the name of a library that failed: "libFLAC failed: out of memory".
inline const QString OutOfMemory = QStringLiteral("out of memory");
inline const QString CannotMakeEncoder = QStringLiteral("cannot make an encoder");

// The output folder's text names no folder that can be made.
inline const QString InvalidOutputFolderName = QStringLiteral("Invalid Output Folder Name!");

// The name a new folder gets, and the caption of what is said when it cannot be made.
inline const QString NewFolder = QStringLiteral("New Folder");

// The channel choices of the format dialogs, and how a description names one or two channels.
inline const QString Mono = QStringLiteral("Mono");
inline const QString Stereo = QStringLiteral("Stereo");

// A batch beside the main window: its paused total, closing the program under it, a tag edit of a file it works on,
// and "Convert" while it runs with nothing new checked, or after it took its last output.
inline const QString BatchPaused = QStringLiteral("Total %1%, paused");
inline const QString CloseDuringBatch = QStringLiteral("A conversion is running. Cancel it and exit?");
inline const QString TagEditWhileConverting =
    QStringLiteral("\"%1\" is being converted. Its tags can be edited once its outputs are done.");
inline const QString NothingNewToConvert =
    QStringLiteral("Every checked file is in the running conversion already. Check the files to add to it.");
inline const QString BatchEnding =
    QStringLiteral("The running conversion is ending. Press Convert again once it has finished.");
// A library is mirrored on its own, not beside a running conversion.
inline const QString MirrorWhileConverting =
    QStringLiteral("A conversion is running. Mirror the folder once it has finished.");

} // namespace Messages
