#include "FlacBackend.h"

#include "ChannelLayouts.h"

#include "OutputFileError.h"
#include "SampleQuantizer.h"
#include "StdioFile.h"
#include "core/components/common/FlacHandles.h"
#include "core/ports/Messages.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr unsigned kSecondsBetweenSeekPoints = 10;
// A length unknown beforehand gets seek points for this long; those past the real end are dropped at the close.
constexpr FLAC__uint64 kAssumedSecondsWhenUnknown = 4 * 3600;
// Room for tags and a cover, so tagging the file later rewrites a block instead of the whole file.
constexpr unsigned kPaddingBytes = 8192;

QString flacText(const char* text) {
    return QString::fromLatin1(text);
}

// libFLAC fills the seek points the stream reached; any it did not reach would point at the stream's start, so
// they are removed (their room becomes padding).
void dropUnreachedSeekPoints(const QString& fileName) {
    const FlacChainPtr chain(FLAC__metadata_chain_new());
    const FlacIteratorPtr iterator(FLAC__metadata_iterator_new());
    const QByteArray path = QFile::encodeName(fileName);
    if (!chain || !iterator || !FLAC__metadata_chain_read(chain.get(), path.constData()))
        outputerror::writeFailure(fileName, QStringLiteral("cannot read back the FLAC metadata"));
    FLAC__metadata_iterator_init(iterator.get(), chain.get());
    do {
        FLAC__StreamMetadata* block = FLAC__metadata_iterator_get_block(iterator.get());
        if (block->type != FLAC__METADATA_TYPE_SEEKTABLE)
            continue;
        FLAC__StreamMetadata_SeekTable& table = block->data.seek_table;
        FLAC__StreamMetadata_SeekPoint* const end =
            std::remove_if(table.points, table.points + table.num_points,
                           [](const FLAC__StreamMetadata_SeekPoint& point) { return point.frame_samples == 0; });
        const auto kept = static_cast<unsigned>(end - table.points);
        if (kept == table.num_points)
            return;
        if (!FLAC__metadata_object_seektable_resize_points(block, kept))
            outputerror::writeFailure(fileName, Messages::OutOfMemory());
        if (!FLAC__metadata_chain_write(chain.get(), true, false))
            outputerror::writeFailure(
                fileName, flacText(FLAC__Metadata_ChainStatusString[FLAC__metadata_chain_status(chain.get())]));
        return;
    } while (FLAC__metadata_iterator_next(iterator.get()));
}

// libFLAC writes through these into our own file, so that a failed write keeps the system's reason (a full disk)
// where libFLAC would only state that its client failed.
namespace flacio {

StdioFile& fileOf(void* user) {
    return *static_cast<StdioFile*>(user);
}

FLAC__StreamEncoderWriteStatus write(const FLAC__StreamEncoder*, const FLAC__byte buffer[], size_t bytes, unsigned,
                                     unsigned, void* user) {
    return fileOf(user).writeSome(buffer, bytes) == bytes ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
                                                          : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
}

FLAC__StreamEncoderSeekStatus seek(const FLAC__StreamEncoder*, FLAC__uint64 offset, void* user) {
    return fseeko(fileOf(user).handle(), static_cast<off_t>(offset), SEEK_SET) == 0
               ? FLAC__STREAM_ENCODER_SEEK_STATUS_OK
               : FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
}

FLAC__StreamEncoderTellStatus tell(const FLAC__StreamEncoder*, FLAC__uint64* offset, void* user) {
    const off_t position = ftello(fileOf(user).handle());
    if (position < 0)
        return FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
    *offset = static_cast<FLAC__uint64>(position);
    return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
}

} // namespace flacio

class FlacBackend final : public WriterBackend {
public:
    FlacBackend(const WriterFormat& format, const QString& fileName)
        : fileName_(fileName), bits_(format.bits), channels_(format.channels), file_(fileName) {
        encoder_.reset(FLAC__stream_encoder_new());
        seekTable_.reset(FLAC__metadata_object_new(FLAC__METADATA_TYPE_SEEKTABLE));
        padding_.reset(FLAC__metadata_object_new(FLAC__METADATA_TYPE_PADDING));
        if (!encoder_ || !seekTable_ || !padding_)
            outputerror::encoderFailure(QStringLiteral("libFLAC"), Messages::OutOfMemory());
        FLAC__StreamEncoder* encoder = encoder_.get();
        const auto rate = static_cast<FLAC__uint64>(format.sampleRate);
        FLAC__stream_encoder_set_channels(encoder, static_cast<unsigned>(format.channels));
        FLAC__stream_encoder_set_bits_per_sample(encoder, static_cast<unsigned>(format.bits));
        FLAC__stream_encoder_set_sample_rate(encoder, static_cast<unsigned>(format.sampleRate));
        FLAC__stream_encoder_set_compression_level(encoder, static_cast<unsigned>(format.flacLevel));
        // A length from a compressed source's header is an estimate: the points get some room beyond it.
        const FLAC__uint64 expected = format.sourceFrames > 0
                                          ? static_cast<FLAC__uint64>(format.sourceFrames + format.sourceFrames / 8)
                                          : rate * kAssumedSecondsWhenUnknown;
        if (!FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(
                seekTable_.get(), static_cast<unsigned>(rate * kSecondsBetweenSeekPoints), expected))
            outputerror::encoderFailure(QStringLiteral("libFLAC"), Messages::OutOfMemory());
        padding_->length = kPaddingBytes;
        std::vector<FLAC__StreamMetadata*> blocks{seekTable_.get(), padding_.get()};
        if (nameLayout(format))
            blocks.insert(blocks.begin(), layoutComment_.get());
        FLAC__stream_encoder_set_metadata(encoder, blocks.data(), static_cast<unsigned>(blocks.size()));

        const FLAC__StreamEncoderInitStatus status =
            FLAC__stream_encoder_init_stream(encoder, flacio::write, flacio::seek, flacio::tell, nullptr, &file_);
        if (status != FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
            const QString reason = status == FLAC__STREAM_ENCODER_INIT_STATUS_ENCODER_ERROR
                                       ? encoderState()
                                       : flacText(FLAC__StreamEncoderInitStatusString[status]);
            outputerror::cannotCreate(fileName, reason);
        }
    }

    // FLAC fixes one layout per channel count; another (5.1 with side surrounds, say) is named in the comment
    // readers know for it. True when the comment is needed and made.
    bool nameLayout(const WriterFormat& format) {
        constexpr std::array<quint64, 8> kFlacLayouts{0x4, 0x3, 0x7, 0x33, 0x37, 0x3F, 0x70F, 0x63F};
        const quint64 mask = channellayout::maskFor(format.channels, format.channelMask);
        if (format.channels < 3 || format.channels > 8 ||
            mask == kFlacLayouts[static_cast<std::size_t>(format.channels - 1)])
            return false;
        layoutComment_.reset(FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT));
        FLAC__StreamMetadata_VorbisComment_Entry entry{};
        const QByteArray value = "0x" + QByteArray::number(mask, 16).rightJustified(4, '0').toUpper();
        if (!layoutComment_ ||
            !FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(&entry, "WAVEFORMATEXTENSIBLE_CHANNEL_MASK",
                                                                            value.constData()) ||
            !FLAC__metadata_object_vorbiscomment_append_comment(layoutComment_.get(), entry, false))
            outputerror::encoderFailure(QStringLiteral("libFLAC"), Messages::OutOfMemory());
        return true;
    }

    ~FlacBackend() override {
        // An unfinished encoder still owns its file; finishing releases it (its content is dropped by the caller).
        if (!finished_)
            FLAC__stream_encoder_finish(encoder_.get());
    }

    FlacBackend(const FlacBackend&) = delete;
    FlacBackend& operator=(const FlacBackend&) = delete;

    void write(std::span<const float> samples) override {
        samplequant::toClippedIntegers(samples, bits_, integers_);
        const auto frames = static_cast<unsigned>(samples.size() / static_cast<std::size_t>(channels_));
        if (!FLAC__stream_encoder_process_interleaved(encoder_.get(), integers_.data(), frames))
            outputerror::writeFailure(fileName_, encoderState());
    }

    // The samples become integers in one pass that clips them too: the writer need not copy them to clip first.
    [[nodiscard]] bool clipsOnItsOwn() const override { return true; }

    void finish() override {
        finished_ = true;
        if (!FLAC__stream_encoder_finish(encoder_.get()))
            outputerror::writeFailure(fileName_, encoderState());
        file_.close();
        dropUnreachedSeekPoints(fileName_);
    }

private:
    // The system's reason when the file refused bytes, else libFLAC's own state.
    [[nodiscard]] QString encoderState() const {
        if (!file_.failure().isEmpty())
            return file_.failure();
        return flacText(FLAC__stream_encoder_get_resolved_state_string(encoder_.get()));
    }

    QString fileName_;
    int bits_;
    int channels_;
    bool finished_ = false;
    StdioFile file_; // declared before the encoder, which writes into it until it is deleted
    FlacEncoderPtr encoder_;
    FlacMetadataPtr seekTable_;
    FlacMetadataPtr padding_;
    FlacMetadataPtr layoutComment_;
    std::vector<FLAC__int32> integers_;
};

} // namespace

std::unique_ptr<WriterBackend> openFlacBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<FlacBackend>(format, fileName);
}
