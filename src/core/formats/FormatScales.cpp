#include "FormatScales.h"

#include <algorithm>

int sampleRateAt(int index) {
    if (index < 0 || index >= static_cast<int>(kSampleRates.size()))
        return kDefaultSampleRate;
    return kSampleRates[static_cast<std::size_t>(index)];
}

int sampleRateIndexOf(int sampleRate) {
    const auto found = std::find(kSampleRates.begin(), kSampleRates.end(), sampleRate);
    if (found == kSampleRates.end())
        return sampleRateIndexOf(kDefaultSampleRate);
    return static_cast<int>(found - kSampleRates.begin());
}

QStringList sampleRateItems() {
    QStringList items;
    for (const int rate : kSampleRates)
        items.append(QString::number(rate));
    return items;
}

int mp3BitrateAt(int position) {
    if (position < 0 || position >= static_cast<int>(kMp3BitrateScale.size()))
        return kMp3BitrateScale[kMp3MiddlePosition];
    return kMp3BitrateScale[static_cast<std::size_t>(position)];
}

int mp3PositionOf(int kbps) {
    const auto found = std::find(kMp3BitrateScale.begin(), kMp3BitrateScale.end(), kbps);
    if (found == kMp3BitrateScale.end())
        return kMp3MiddlePosition;
    return static_cast<int>(found - kMp3BitrateScale.begin());
}

int oggBitrateAt(int position) {
    const int index = position - kOggFirstPosition;
    if (index < 0 || index >= static_cast<int>(kOggBitrateScale.size()))
        return kOggBitrateScale[kOggMiddlePosition - kOggFirstPosition];
    return kOggBitrateScale[static_cast<std::size_t>(index)];
}
