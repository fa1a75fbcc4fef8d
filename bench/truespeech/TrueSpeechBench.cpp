// Encodes a headerless 8000 Hz mono s16le file into a DSP WAV (TrueSpeech) file through the same writer the
// converter uses, streaming, and reports the speed in times real time (wall clock and CPU) and the peak memory.
#include "core/components/ComponentError.h"
#include "core/components/truespeech/TrueSpeechWavFile.h"

#include <QFile>
#include <QString>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.s16le-8000-mono OUTPUT_DSP.wav\n", argv[0]);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    std::vector<std::int16_t> chunk(4096);
    long long samples = 0;
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    try {
        TrueSpeechWavFile output;
        output.create(QString::fromLocal8Bit(argv[2]));
        while (true) {
            const qint64 bytes = source.read(reinterpret_cast<char*>(chunk.data()),
                                             static_cast<qint64>(chunk.size() * sizeof(std::int16_t)));
            if (bytes <= 0) {
                break;
            }
            const auto count = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
            output.write(std::span<const std::int16_t>(chunk.data(), count));
            samples += static_cast<long long>(count);
        }
        output.close();
    } catch (const ComponentError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double duration = static_cast<double>(samples) / 8000.0;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("source %.1f s; wall %.2f s = %.1fx real time; cpu %.2f s = %.1fx real time; peak memory %ld KiB\n",
                duration, wall, duration / wall, cpu, duration / cpu, usage.ru_maxrss);
    return 0;
}
