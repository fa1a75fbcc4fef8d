#include "AudioWriter.h"

#include "FormatRules.h"
#include "LameBackend.h"
#include "SampleConverter.h"
#include "SampleDither.h"
#include "StereoDownmix.h"
#include "VorbisBackend.h"
#include "WriterBackend.h"
#include "WriterFormat.h"
#include "core/components/ComponentError.h"
#include "core/components/common/FileCreationError.h"
#include "core/components/common/SndfileHandles.h"
#include "core/components/lame/LameMapping.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <optional>
#include <sndfile.h>
#include <unistd.h>

namespace {

struct InputShape {
    int sampleRate = 0;
    int channels = 0;
    quint64 mask = 0;
};

constexpr int kRawSignedLittleEndian = 3;

// Makes sure the file can be written, so a folder that cannot take it is reported with its reason before any
// encoder is set up. An existing file is left as it is until its backend replaces it.
void checkWritable(const QString& fileName) {
    const int descriptor = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0)
        throw fileCreationError(fileName, errno);
    ::close(descriptor);
}

float clipped(float sample) {
    if (std::isnan(sample))
        return 0.0f;
    return std::clamp(sample, -1.0f, 1.0f);
}

int pcmBitsOf(int subtype) {
    switch (subtype) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
        return 8;
    case SF_FORMAT_PCM_16:
        return 16;
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
        return 24;
    default:
        return 0;
    }
}

// The size of the linear integers the output stores, when it is 16 bits or fewer and so wants dither; 0 otherwise.
// 24-bit and float outputs need none, nor do the lossy and ADPCM codecs, whose own coding noise is far louder.
int ditheredBitsOf(const WriterFormat& format) {
    switch (format.codec) {
    case OutputCodec::PcmWav:
    case OutputCodec::Flac:
    case OutputCodec::Alac:
        return format.bits <= 16 ? format.bits : 0;
    case OutputCodec::Raw:
    case OutputCodec::DspWav:
        return 16;
    default:
        return 0;
    }
}

} // namespace

struct AudioWriter::Impl {
    WriterFormat format = formatrules::pcmWav(44100, 2, 16);
    int detail = -1;
    InputShape input;
    int sourceBits = 0;

    QString fileName;
    bool awaitingShape = false; // created, but the backend waits for the input's shape
    std::unique_ptr<WriterBackend> backend;
    std::unique_ptr<SampleConverter> converter;
    std::unique_ptr<SampleDither> dither;
    std::unique_ptr<StereoDownmix> downmix; // surround input to a chosen stereo or mono output
    std::vector<float> clippedSamples;

    void deliver(std::span<const float> samples) {
        if (samples.empty())
            return;
        const int ditheredBits = ditheredBitsOf(format);
        if (backend->clipsOnItsOwn() && ditheredBits == 0) {
            backend->write(samples);
            return;
        }
        clippedSamples.resize(samples.size());
        std::transform(samples.begin(), samples.end(), clippedSamples.begin(), clipped);
        if (ditheredBits == 0) {
            backend->write(clippedSamples);
            return;
        }
        if (!dither)
            dither = std::make_unique<SampleDither>(format.sampleRate, format.channels, ditheredBits);
        backend->write(dither->apply(clippedSamples));
    }

    SampleConverter& ensureConverter() {
        if (!converter) {
            const bool described = input.sampleRate > 0;
            const bool mixed = described && format.channelsChosen && input.channels > 2 && format.channels <= 2;
            if (mixed)
                downmix =
                    std::make_unique<StereoDownmix>(input.sampleRate, input.channels, input.mask, format.channels);
            converter = std::make_unique<SampleConverter>(described ? input.sampleRate : format.sampleRate,
                                                          mixed       ? format.channels
                                                          : described ? input.channels
                                                                      : format.channels,
                                                          format.sampleRate, format.channels);
        }
        return *converter;
    }

    std::span<const float> convert(std::span<const float> values) {
        SampleConverter& rate = ensureConverter();
        return rate.convert(downmix ? downmix->mix(values) : values);
    }

    void setFormat(const WriterFormat& chosen) {
        format = chosen;
        sourceBits = 0;
    }

    // A lossless output, or one keeping its input's channels, learns its shape from the input only now, when no
    // more description can come first. The format chosen stays for the next output.
    void openAwaitedBackend() {
        if (!awaitingShape)
            return;
        shaped = format;
        if (input.sampleRate > 0 && format.followsSource)
            format = formatrules::shapedLikeSource(format, input.sampleRate, input.channels, sourceBits);
        if (input.sampleRate > 0 && format.keepsChannels)
            format = formatrules::withKeptChannels(format, input.channels, input.mask);
        backend = openWriterBackend(format, fileName);
        awaitingShape = false;
    }

    // Kept channels and the bit rates for them belong to one output; the next starts from the format as chosen.
    void restoreChosenFormat() {
        if (shaped && shaped->keepsChannels) {
            const qint64 frames = format.sourceFrames;
            format = *shaped;
            format.sourceFrames = frames;
        }
        shaped.reset();
    }

    void release() {
        restoreChosenFormat();
        converter.reset();
        downmix.reset();
        dither.reset();
        backend.reset();
        awaitingShape = false;
    }

    void drainConverter() {
        if (converter)
            deliver(converter->drain());
        converter.reset();
        downmix.reset();
    }

    std::optional<WriterFormat> shaped; // the format as chosen, while an output shaped from its input is open
};

AudioWriter::AudioWriter() : impl_(std::make_unique<Impl>()) {}

AudioWriter::~AudioWriter() {
    try {
        close();
    } catch (const ComponentError&) {
        // A destructor cannot report; the file keeps what reached it.
    }
}

void AudioWriter::create(const QString& fileName) {
    close();
    const bool existed = QFile::exists(fileName);
    checkWritable(fileName);
    impl_->fileName = fileName;
    impl_->converter.reset();
    impl_->downmix.reset();
    impl_->dither.reset();
    if (impl_->format.followsSource || impl_->format.keepsChannels) {
        impl_->awaitingShape = true;
        return;
    }
    try {
        impl_->backend = openWriterBackend(impl_->format, fileName);
    } catch (const ComponentError&) {
        if (!existed)
            QFile::remove(fileName);
        throw;
    }
}

void AudioWriter::write(const SampleBlock& block) {
    if (!isOpen())
        throw ComponentError(QCoreApplication::translate("Components", "No output file is open for writing"));
    if (block.empty())
        return;
    try {
        impl_->openAwaitedBackend();
        impl_->deliver(impl_->convert(block.values()));
    } catch (const ComponentError&) {
        // An encoder or muxer that failed half-way is in no state to be finished: finishing it would feed it the
        // samples it was still holding. The output is released as it is; the caller drops it.
        impl_->release();
        throw;
    }
}

void AudioWriter::close() {
    if (!isOpen())
        return;
    // The output is released even when finishing fails, so a failed file never stays open.
    struct Release {
        Impl& impl;
        ~Release() { impl.release(); }
    } release{*impl_};
    impl_->openAwaitedBackend();
    impl_->drainConverter();
    impl_->backend->finish();
}

bool AudioWriter::isOpen() const {
    return impl_->backend != nullptr || impl_->awaitingShape;
}

void AudioWriter::describeInput(int sampleRate, int channels) {
    if (sampleRate <= 0 || channels <= 0 || channels > 8)
        throw ComponentError(QCoreApplication::translate("Components", "Unsupported input: %1 Hz, %2 channels")
                                 .arg(sampleRate)
                                 .arg(channels));
    // Samples already inside the resampler belong to the old description and go out first.
    if (impl_->backend)
        impl_->drainConverter();
    impl_->input = {sampleRate, channels, 0};
}

void AudioWriter::describeInputLayout(quint64 mask) {
    impl_->input.mask = mask;
}

void AudioWriter::setOutputChannels(int channels) {
    impl_->format = formatrules::withChannelChoice(impl_->format, channels);
}

bool AudioWriter::takesEveryInputChannel() const {
    return impl_->format.channelsChosen;
}

void AudioWriter::describeSource(int bits, qint64 frames) {
    impl_->sourceBits = bits;
    impl_->format.sourceFrames = std::max<qint64>(frames, 0);
}

int AudioWriter::outputChannelCount(int inputChannels) const {
    const WriterFormat& format = impl_->format;
    if (format.keepsChannels)
        return formatrules::withKeptChannels(format, inputChannels, 0).channels;
    return format.followsSource && !format.channelsChosen ? formatrules::clampChannels(inputChannels, 2)
                                                          : format.channels;
}

QString AudioWriter::formatString() const {
    return describeFormat(impl_->format, impl_->detail == 0, {impl_->input.channels, impl_->input.mask});
}

void AudioWriter::setFormatFromSampleWav(const QString& fileName) {
    SF_INFO info{};
    const SndfilePtr file(sf_open(QFile::encodeName(fileName).constData(), SFM_READ, &info));
    if (!file)
        throw ComponentError(QCoreApplication::translate("Components", "Cannot read the sample file \"%1\": %2")
                                 .arg(fileName, QString::fromUtf8(sf_strerror(nullptr))),
                             QFile::exists(fileName) ? LastError::UnknownFormat : LastError::FileNotFound);
    const int container = info.format & SF_FORMAT_TYPEMASK;
    const int bits = pcmBitsOf(info.format & SF_FORMAT_SUBMASK);
    const bool wav = container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX || container == SF_FORMAT_RF64;
    if (!wav || bits == 0)
        throw ComponentError(
            QCoreApplication::translate("Components", "The sample file \"%1\" is not a PCM WAV file").arg(fileName),
            LastError::UnsupportedFormat);
    setPcmWav(info.samplerate, info.channels, bits);
}

void AudioWriter::setPcmWav(int sampleRate, int channels, int bits) {
    impl_->setFormat(formatrules::pcmWav(sampleRate, channels, bits));
}

void AudioWriter::setRaw(int sampleType, int sampleRate, int channels, int bits) {
    if (sampleType != kRawSignedLittleEndian || bits != 16)
        throw ComponentError(QCoreApplication::translate(
                                 "Components", "RAW output is written as signed 16-bit samples only (type %1, %2 bits "
                                               "requested)")
                                 .arg(sampleType)
                                 .arg(bits),
                             LastError::UnsupportedFormat);
    impl_->setFormat(formatrules::raw(sampleRate, channels));
}

void AudioWriter::setAdpcmWav(int sampleRate, int channels) {
    impl_->setFormat(formatrules::adpcmWav(sampleRate, channels));
}

void AudioWriter::setGsmWav(int sampleRate) {
    impl_->setFormat(formatrules::gsmWav(sampleRate));
}

void AudioWriter::setVox(int sampleRate) {
    impl_->setFormat(formatrules::vox(sampleRate));
}

void AudioWriter::setDspWav() {
    impl_->setFormat(formatrules::dspWav());
}

void AudioWriter::setMp2(int sampleRate, int kbps, int channels) {
    impl_->setFormat(formatrules::mp2(sampleRate, kbps, channels));
}

void AudioWriter::setMp3(int sampleRate, int kbps, int channels) {
    impl_->setFormat(planMp3(sampleRate, kbps, channels));
}

void AudioWriter::useMp3EncoderSettings(const IAudioFile2LameEnc& settings) {
    impl_->setFormat(planMp3(snapshotMp3Settings(settings)));
}

void AudioWriter::setOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum, int quality) {
    impl_->setFormat(planOggVorbis(sampleRate, channels, nominal, minimum, maximum, quality));
}

void AudioWriter::setWmaProfile(int profile) {
    impl_->setFormat(formatrules::wma(profile));
}

void AudioWriter::setG721(int sampleRate) {
    impl_->setFormat(formatrules::g721(sampleRate));
}

void AudioWriter::setG723(int sampleRate, int bits) {
    impl_->setFormat(formatrules::g723(sampleRate, bits));
}

void AudioWriter::setG726(int sampleRate, int bits) {
    impl_->setFormat(formatrules::g726(sampleRate, bits));
}

void AudioWriter::setFlac(int level) {
    impl_->setFormat(formatrules::flac(level));
}

void AudioWriter::setAlac() {
    impl_->setFormat(formatrules::alac());
}

void AudioWriter::setAac(int sampleRate, int channels, int kbps) {
    impl_->setFormat(formatrules::aac(sampleRate, channels, kbps));
}

void AudioWriter::setOpus(int channels, int kbps, bool speech) {
    impl_->setFormat(formatrules::opus(channels, kbps, speech));
}

int AudioWriter::testOggSetting(int sampleRate, int channels, int nominal, int minimum, int maximum) const {
    return acceptsVorbisBitrates(sampleRate, channels, nominal, minimum, maximum) ? 1 : 0;
}

int AudioWriter::wmaProfileCount() const {
    return static_cast<int>(formatrules::wmaProfiles().size());
}

void AudioWriter::setDescriptionDetail(int value) {
    impl_->detail = value;
}
