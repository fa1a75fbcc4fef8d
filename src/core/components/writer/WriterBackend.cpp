#include "WriterBackend.h"

#include "DspWavBackend.h"
#include "FfmpegBackend.h"
#include "FlacBackend.h"
#include "G72xAuBackend.h"
#include "LameBackend.h"
#include "OpusBackend.h"
#include "RawBackend.h"
#include "SndfileBackend.h"
#include "VorbisBackend.h"
#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <utility>

namespace {

using BackendOpener = std::unique_ptr<WriterBackend> (*)(const WriterFormat&, const QString&);

constexpr std::array<std::pair<OutputCodec, BackendOpener>, 16> kBackends{{
    {OutputCodec::PcmWav, openPcmWavBackend},
    {OutputCodec::Raw, openRawBackend},
    {OutputCodec::AdpcmWav, openAdpcmWavBackend},
    {OutputCodec::GsmWav, openGsmWavBackend},
    {OutputCodec::Vox, openVoxBackend},
    {OutputCodec::DspWav, openDspWavBackend},
    {OutputCodec::Mp2, openMp2Backend},
    {OutputCodec::Mp3, openMp3Backend},
    {OutputCodec::OggVorbis, openOggVorbisBackend},
    {OutputCodec::Wma, openWmaBackend},
    {OutputCodec::G72xAu, openG72xAuBackend},
    {OutputCodec::G726Wav, openG726WavBackend},
    {OutputCodec::Flac, openFlacBackend},
    {OutputCodec::Alac, openAlacBackend},
    {OutputCodec::Aac, openAacBackend},
    {OutputCodec::Opus, openOpusBackend},
}};

} // namespace

std::unique_ptr<WriterBackend> openWriterBackend(const WriterFormat& format, const QString& fileName) {
    const auto entry = std::find_if(kBackends.begin(), kBackends.end(),
                                    [&](const auto& candidate) { return candidate.first == format.codec; });
    if (entry == kBackends.end())
        throw ComponentError(QCoreApplication::translate("Components", "This output format has no writer"),
                             LastError::UnsupportedFormat);
    return entry->second(format, fileName);
}
