#pragma once

#include "core/batch/BatchOrder.h"

#include <QStringList>

// The options that make the order from commandLineStartOrder(), each option and its value as separate arguments,
// in the order of the help. Settings no option can make (the window's MP3 and Ogg Vorbis dialogs, the PCM WAV
// dialog's own rate, opening the folder at the end) are described in `withoutOption`, one text each.
[[nodiscard]] QStringList optionsMaking(const BatchOrder& order, QStringList& withoutOption);
