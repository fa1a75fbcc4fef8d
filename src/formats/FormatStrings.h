#pragma once

#include "convert/WriterPreparation.h"

#include <QString>
#include <QStringList>
#include <array>

class IAudioFile2;

// The format strings of the options pane. Each is the writer's own description of a format: the format is set on
// the writer and its description read back. The program never composes or parses these texts; every description
// replaces the writer's current format, which the conversion sets again before each output.

// The eight "Other Format" strings, in the order they are described.
enum class OtherFormat { Adpcm, Gsm, Dsp, Vox, Raw, Mp2, G723, G726 };
inline constexpr std::size_t kOtherFormatCount = 8;
using OtherFormatStrings = std::array<QString, kOtherFormatCount>;

// Describes the eight formats with the panel values; the writer is left at G.726. An error of the writer is raised
// unchanged and the strings described before it are lost with it.
[[nodiscard]] OtherFormatStrings describeOtherFormats(IAudioFile2& writer, const PanelValues& panel);

// The description of one WMA profile (counted from 1), and of all of them in ascending order.
[[nodiscard]] QString describeWmaProfile(IAudioFile2& writer, int profile);
[[nodiscard]] QStringList describeWmaProfiles(IAudioFile2& writer);

// The three "Common Format" strings as the program starts: PCM 44100 Hz stereo 16 bits, Ogg Vorbis 44100 Hz stereo
// nominal 128 kbit/s, MP3 44100 Hz 128 kbit/s stereo.
struct CommonFormatStrings {
    QString pcm;
    QString ogg;
    QString mp3;
};
[[nodiscard]] CommonFormatStrings describeStartupFormats(IAudioFile2& writer);

// The item lists of the panel's code-size choices and the values they stand for.
[[nodiscard]] QStringList g723BitsItems();
[[nodiscard]] QStringList g726BitsItems();
[[nodiscard]] int g723BitsAt(int item, int current); // no selection keeps the current size
[[nodiscard]] int g723ItemOf(int bits);
[[nodiscard]] int g726BitsAt(int item);
[[nodiscard]] int g726ItemOf(int bits);
