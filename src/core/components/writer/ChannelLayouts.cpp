#include "ChannelLayouts.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <bit>
#include <numeric>

namespace channellayout {

quint64 maskFor(int channels, quint64 given) {
    if (given != 0 && std::popcount(given) == channels)
        return given;
    AVChannelLayout layout{};
    av_channel_layout_default(&layout, channels);
    const quint64 mask = layout.order == AV_CHANNEL_ORDER_NATIVE ? layout.u.mask : 0;
    av_channel_layout_uninit(&layout);
    return mask;
}

QString layoutName(int channels, quint64 mask) {
    AVChannelLayout layout{};
    if (av_channel_layout_from_mask(&layout, maskFor(channels, mask)) < 0 || layout.nb_channels != channels)
        return QStringLiteral("%1 channels").arg(channels);
    char name[64] = {};
    const int written = av_channel_layout_describe(&layout, name, sizeof name);
    av_channel_layout_uninit(&layout);
    const QString text = QString::fromLatin1(name);
    // FFmpeg names layouts it has no name for by their channels ("6 channels (FL+FR+...)"); the count says enough.
    if (written < 0 || text.contains(QLatin1Char('+')))
        return QStringLiteral("%1 channels").arg(channels);
    return text;
}

std::array<int, kMostChannels> vorbisOrder(int channels) {
    switch (channels) {
    case 3: // L R C -> L C R
    case 5: // L R C SL SR -> L C R SL SR
        return {0, 2, 1, 3, 4, 5, 6, 7};
    case 6: // L R C LFE SL SR -> L C R SL SR LFE
        return {0, 2, 1, 4, 5, 3, 6, 7};
    case 7: // L R C LFE BC SL SR -> L C R SL SR BC LFE
        return {0, 2, 1, 5, 6, 4, 3, 7};
    case 8: // L R C LFE BL BR SL SR -> L C R SL SR BL BR LFE
        return {0, 2, 1, 6, 7, 4, 5, 3};
    default: {
        std::array<int, kMostChannels> same{};
        std::iota(same.begin(), same.end(), 0);
        return same;
    }
    }
}

void reorder(std::span<const float> samples, int channels, const std::array<int, kMostChannels>& from,
             std::span<float> target) {
    const auto count = static_cast<std::size_t>(channels);
    for (std::size_t frame = 0; frame + count <= samples.size(); frame += count)
        for (std::size_t channel = 0; channel < count; ++channel)
            target[frame + channel] = samples[frame + static_cast<std::size_t>(from[channel])];
}

int pairsOf(int channels) {
    return (channels + 1) / 2;
}

} // namespace channellayout
