#include "SndfileBackend.h"

#include "ChannelLayouts.h"

#include "OutputFileError.h"
#include "SampleQuantizer.h"
#include "StdioFile.h"
#include "core/components/common/HeaderlessInfo.h"
#include "core/components/common/SndfileHandles.h"

#include <sndfile.h>
#include <sys/stat.h>

namespace {

// libsndfile hands its own files every block its codec fills, one system call each: 256 bytes at a time for VOX,
// about ninety calls for a one-second prompt. Through stdio's buffer a short output is written in one or two.
namespace bufferedio {

std::FILE* fileOf(void* user) {
    return static_cast<StdioFile*>(user)->handle();
}

sf_count_t length(void* user) {
    std::FILE* file = fileOf(user);
    struct stat status {};
    if (std::fflush(file) != 0 || fstat(fileno(file), &status) != 0)
        return -1;
    return status.st_size;
}

sf_count_t seek(sf_count_t offset, int whence, void* user) {
    std::FILE* file = fileOf(user);
    if (fseeko(file, offset, whence) != 0)
        return -1;
    return ftello(file);
}

sf_count_t read(void* destination, sf_count_t count, void* user) {
    return static_cast<sf_count_t>(std::fread(destination, 1, static_cast<std::size_t>(count), fileOf(user)));
}

sf_count_t write(const void* source, sf_count_t count, void* user) {
    return static_cast<sf_count_t>(static_cast<StdioFile*>(user)->writeSome(source, static_cast<std::size_t>(count)));
}

sf_count_t tell(void* user) {
    return ftello(fileOf(user));
}

SF_VIRTUAL_IO calls() {
    return {length, seek, read, write, tell};
}

} // namespace bufferedio

// What sets one libsndfile output apart from the others.
struct SndfileRecipe {
    int sndfileFormat;
    int bits;
    // Samples libsndfile must receive together. Dialogic VOX packs two samples into each byte, and libsndfile
    // pads any odd-sized write with a sample of its own (reporting one sample more than it was given), which
    // would put a stray sample in the middle of the sound; VOX sound therefore goes out in pairs, and only the
    // last odd sample is completed with silence at the end.
    std::size_t samplesPerWrite;
    std::optional<HeaderlessInfo> headerless;
};

class SndfileBackend final : public WriterBackend {
public:
    // The format is checked before the file is created, so that a refused format leaves any file of that name as
    // it was.
    SndfileBackend(const WriterFormat& format, const QString& fileName, SndfileRecipe recipe)
        : fileName_(fileName), bits_(recipe.bits), samplesPerWrite_(recipe.samplesPerWrite),
          headerless_(std::move(recipe.headerless)), info_(acceptedInfo(format, recipe.sndfileFormat)),
          output_(fileName) {
        file_.reset(sf_open_virtual(&io_, SFM_WRITE, &info_, &output_));
        if (!file_)
            outputerror::cannotCreate(fileName, failureReason(QString::fromUtf8(sf_strerror(nullptr))));
        if ((info_.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAVEX)
            nameChannels(format);
    }

    void write(std::span<const float> samples) override {
        samplequant::toLeftAligned(samples, bits_, converted_);
        held_.insert(held_.end(), converted_.begin(), converted_.end());
        const std::size_t whole = held_.size() - held_.size() % samplesPerWrite_;
        writeSamples(std::span(held_).first(whole));
        held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(whole));
    }

    void finish() override {
        if (!held_.empty()) {
            held_.resize(samplesPerWrite_, 0);
            writeSamples(held_);
            held_.clear();
        }
        // sf_close writes the final chunk sizes and flushes the codec's last partial block.
        const int result = sf_close(file_.release());
        if (result != 0)
            outputerror::writeFailure(fileName_, failureReason(QString::fromUtf8(sf_error_number(result))));
        // A full disk may only show when the buffer's last bytes go out.
        output_.close();
        // Headerless files carry their parameters as file attributes; a file system without them keeps defaults.
        if (headerless_)
            writeHeaderlessInfo(fileName_, *headerless_);
    }

private:
    // WAVE_FORMAT_EXTENSIBLE states which speaker each channel feeds; libsndfile derives that mask from its map.
    void nameChannels(const WriterFormat& format) {
        std::vector<int> map;
        quint64 remaining = channellayout::maskFor(format.channels, format.channelMask);
        while (remaining != 0) {
            map.push_back(speakerOf(remaining & (~remaining + 1)));
            remaining &= remaining - 1;
        }
        if (static_cast<int>(map.size()) != format.channels ||
            sf_command(file_.get(), SFC_SET_CHANNEL_MAP_INFO, map.data(), static_cast<int>(map.size() * sizeof(int))) ==
                SF_FALSE)
            outputerror::encoderFailure(QStringLiteral("libsndfile"),
                                        QStringLiteral("no speaker layout for %1 channels").arg(format.channels));
    }

    static int speakerOf(quint64 bit) {
        using namespace channellayout;
        switch (bit) {
        case kFrontLeft:
            return SF_CHANNEL_MAP_LEFT;
        case kFrontRight:
            return SF_CHANNEL_MAP_RIGHT;
        case kFrontCentre:
            return SF_CHANNEL_MAP_CENTER;
        case kLowFrequency:
            return SF_CHANNEL_MAP_LFE;
        case kBackLeft:
            return SF_CHANNEL_MAP_REAR_LEFT;
        case kBackRight:
            return SF_CHANNEL_MAP_REAR_RIGHT;
        case 0x40:
            return SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER;
        case 0x80:
            return SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER;
        case kBackCentre:
            return SF_CHANNEL_MAP_REAR_CENTER;
        case kSideLeft:
            return SF_CHANNEL_MAP_SIDE_LEFT;
        case kSideRight:
            return SF_CHANNEL_MAP_SIDE_RIGHT;
        default:
            return SF_CHANNEL_MAP_INVALID;
        }
    }

    static SF_INFO acceptedInfo(const WriterFormat& format, int sndfileFormat) {
        SF_INFO info{};
        info.samplerate = format.sampleRate;
        info.channels = format.channels;
        info.format = sndfileFormat;
        if (!sf_format_check(&info))
            outputerror::encoderFailure(QStringLiteral("libsndfile"),
                                        QStringLiteral("format not accepted at %1 Hz, %2 channels")
                                            .arg(format.sampleRate)
                                            .arg(format.channels));
        return info;
    }

    void writeSamples(std::span<const std::int32_t> samples) {
        if (samples.empty())
            return;
        const auto count = static_cast<sf_count_t>(samples.size());
        const sf_count_t written = sf_write_int(file_.get(), samples.data(), count);
        if (written == count)
            return;
        // libsndfile states no error when it merely wrote another number of samples than it was given, as it does
        // when the disk is full; the file underneath knows why.
        const int error = sf_error(file_.get());
        outputerror::writeFailure(
            fileName_, failureReason(error != SF_ERR_NO_ERROR
                                         ? QString::fromUtf8(sf_strerror(file_.get()))
                                         : QStringLiteral("%1 of %2 samples were written").arg(written).arg(count)));
    }

    // The system's reason when the file refused bytes, else what libsndfile says.
    [[nodiscard]] QString failureReason(const QString& libraryReason) const {
        return output_.failure().isEmpty() ? libraryReason : output_.failure();
    }

    QString fileName_;
    int bits_;
    std::size_t samplesPerWrite_;
    std::optional<HeaderlessInfo> headerless_;
    SF_INFO info_;
    StdioFile output_; // declared before file_, so that libsndfile is done with it before it closes
    SF_VIRTUAL_IO io_ = bufferedio::calls();
    SndfilePtr file_;
    std::vector<std::int32_t> converted_;
    std::vector<std::int32_t> held_;
};

int pcmSubtype(int bits) {
    switch (bits) {
    case 8:
        return SF_FORMAT_PCM_U8;
    case 24:
        return SF_FORMAT_PCM_24;
    default:
        return SF_FORMAT_PCM_16;
    }
}

} // namespace

// More than two channels go into WAVE_FORMAT_EXTENSIBLE, the only WAV that says which speaker each one feeds.
std::unique_ptr<WriterBackend> openPcmWavBackend(const WriterFormat& format, const QString& fileName) {
    const int container = format.channels > 2 ? SF_FORMAT_WAVEX : SF_FORMAT_WAV;
    return std::make_unique<SndfileBackend>(
        format, fileName, SndfileRecipe{container | pcmSubtype(format.bits), format.bits, 1, std::nullopt});
}

std::unique_ptr<WriterBackend> openAdpcmWavBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<SndfileBackend>(format, fileName,
                                            SndfileRecipe{SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 16, 1, std::nullopt});
}

std::unique_ptr<WriterBackend> openGsmWavBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<SndfileBackend>(format, fileName,
                                            SndfileRecipe{SF_FORMAT_WAV | SF_FORMAT_GSM610, 16, 1, std::nullopt});
}

std::unique_ptr<WriterBackend> openVoxBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<SndfileBackend>(format, fileName,
                                            SndfileRecipe{SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, 16, 2,
                                                          HeaderlessInfo{format.sampleRate, 1, QStringLiteral("vox")}});
}
