// Decodes files through the audio-file component in one-second blocks, as a conversion reads its source, and
// prints the wall time per file: "FILE SECONDS FRAMES".
#include "core/components/AudioFile2Component.h"
#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList files = QCoreApplication::arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: reader_bench FILE...\n");
        return 2;
    }
    for (const QString& file : files) {
        AudioFile2Component reader;
        reader.setDecoderThreads(2);
        QElapsedTimer timer;
        timer.start();
        qint64 frames = 0;
        try {
            reader.openForReading(file, 0, 1);
            const int blockValues = reader.sampleRate() * reader.channelCount();
            for (SampleBlock block = reader.readBlock(blockValues); !block.empty();
                 block = reader.readBlock(blockValues))
                frames += static_cast<qint64>(block.size()) / reader.channelCount();
        } catch (const ComponentError& error) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(error.message()));
            return 1;
        }
        std::printf("%s %.3f %lld\n", qPrintable(file), static_cast<double>(timer.nsecsElapsed()) / 1e9,
                    static_cast<long long>(frames));
    }
    return 0;
}
