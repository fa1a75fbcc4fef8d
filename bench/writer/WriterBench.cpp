// Encodes a WAV file (or a generated signal of any length) through the writer in one-second blocks, as a
// conversion does, and prints the CPU time and the peak resident memory.
//
//   writer_bench FORMAT INPUT.wav OUTPUT
//   writer_bench FORMAT --generate SECONDS OUTPUT      (44.1 kHz stereo, nothing read from disk)
//
// FORMAT: pcm mp3 mp2 ogg wma adpcm

#include "core/components/SampleBlock.h"
#include "core/components/common/SndfileHandles.h"
#include "core/components/writer/AudioWriter.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <sndfile.h>
#include <string>
#include <sys/resource.h>

namespace {

using BlockSource = std::function<SampleBlock()>;

const std::map<std::string, std::function<void(AudioWriter&)>>& formats() {
    static const std::map<std::string, std::function<void(AudioWriter&)>> table{
        {"pcm", [](AudioWriter& w) { w.setPcmWav(44100, 2, 16); }},
        {"mp3", [](AudioWriter& w) { w.setMp3(44100, 128, 2); }},
        {"mp2", [](AudioWriter& w) { w.setMp2(44100, 128, 2); }},
        {"ogg", [](AudioWriter& w) { w.setOggVorbis(44100, 2, 0, 0, 0, 500); }},
        {"wma", [](AudioWriter& w) { w.setWmaProfile(28); }},
        {"adpcm", [](AudioWriter& w) { w.setAdpcmWav(44100, 2); }},
    };
    return table;
}

// A few drifting tones with a little noise: enough for the encoders to do real work.
BlockSource generated(long seconds) {
    auto second = std::make_shared<long>(0);
    return [second, seconds]() {
        if (*second >= seconds)
            return SampleBlock();
        constexpr int rate = 44100;
        std::vector<float> values(static_cast<std::size_t>(rate) * 2);
        unsigned noise = static_cast<unsigned>(*second) * 2654435761u;
        for (int frame = 0; frame < rate; ++frame) {
            const double t = static_cast<double>(*second) + static_cast<double>(frame) / rate;
            noise = noise * 1664525u + 1013904223u;
            const double hiss = (static_cast<double>(noise >> 8) / 16777216.0 - 0.5) * 0.02;
            const double left = 0.3 * std::sin(2 * std::numbers::pi * (220 + 20 * std::sin(t / 7)) * t) +
                                0.1 * std::sin(2 * std::numbers::pi * 3520 * t) + hiss;
            const double right = 0.3 * std::sin(2 * std::numbers::pi * 330 * t) + hiss;
            values[static_cast<std::size_t>(frame) * 2] = static_cast<float>(left);
            values[static_cast<std::size_t>(frame) * 2 + 1] = static_cast<float>(right);
        }
        ++*second;
        return SampleBlock(std::move(values));
    };
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int usage() {
    std::fprintf(stderr, "usage: writer_bench FORMAT (INPUT.wav | --generate SECONDS) OUTPUT\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return usage();
    const auto format = formats().find(argv[1]);
    if (format == formats().end())
        return usage();
    const bool generate = std::strcmp(argv[2], "--generate") == 0;
    if (generate && argc < 5)
        return usage();
    const QString output = QString::fromLocal8Bit(argv[generate ? 4 : 3]);

    int rate = 44100;
    int channels = 2;
    BlockSource source;
    std::shared_ptr<SNDFILE> input;
    if (generate) {
        source = generated(std::atol(argv[3]));
    } else {
        SF_INFO info{};
        input.reset(sf_open(argv[2], SFM_READ, &info), SndfileCloser());
        if (!input) {
            std::fprintf(stderr, "cannot read %s: %s\n", argv[2], sf_strerror(nullptr));
            return 1;
        }
        rate = info.samplerate;
        channels = info.channels;
        source = [input, rate, channels]() {
            std::vector<float> values(static_cast<std::size_t>(rate) * static_cast<std::size_t>(channels));
            const sf_count_t frames = sf_readf_float(input.get(), values.data(), rate);
            values.resize(static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels));
            return SampleBlock(std::move(values));
        };
    }

    const double start = cpuSeconds();
    AudioWriter writer;
    format->second(writer);
    writer.create(output);
    writer.describeInput(rate, channels);
    for (SampleBlock block = source(); !block.empty(); block = source())
        writer.write(block);
    writer.close();
    std::printf("%s cpu_s=%.2f peak_rss_kb=%ld\n", argv[1], cpuSeconds() - start, peakRssKb());
    return 0;
}
