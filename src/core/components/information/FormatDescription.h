#pragma once

#include <QString>

namespace TagLib {
class File;
}

// One line about a file's sound, such as "MPEG-1 Layer III, 128 kbit/s, 44100 Hz, Stereo".
[[nodiscard]] QString formatDescription(const TagLib::File& file);
