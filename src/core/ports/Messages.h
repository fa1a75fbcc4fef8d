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

} // namespace Messages
