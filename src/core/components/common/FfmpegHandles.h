#pragma once

#include <QString>
#include <array>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

// Owning handles of the FFmpeg objects the reader and the writer use.
struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ResamplerDeleter {
    void operator()(SwrContext* context) const { swr_free(&context); }
};

// A demuxer's context, opened with avformat_open_input.
struct InputFormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
// A muxer's context, with the file it writes to when that is open.
struct OutputFormatCloser {
    void operator()(AVFormatContext* context) const {
        if (context->pb)
            avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
struct DictionaryFreer {
    void operator()(AVDictionary* dictionary) const { av_dict_free(&dictionary); }
};
// A channel layout made with new, whose own buffers are released by FFmpeg.
struct ChannelLayoutReleaser {
    void operator()(AVChannelLayout* layout) const {
        av_channel_layout_uninit(layout);
        delete layout;
    }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerDeleter>;
using InputFormatPtr = std::unique_ptr<AVFormatContext, InputFormatCloser>;
using OutputFormatPtr = std::unique_ptr<AVFormatContext, OutputFormatCloser>;
using DictionaryPtr = std::unique_ptr<AVDictionary, DictionaryFreer>;
using ChannelLayoutPtr = std::unique_ptr<AVChannelLayout, ChannelLayoutReleaser>;

// FFmpeg's own words for an error code.
inline QString ffmpegErrorText(int code) {
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(code, text.data(), text.size());
    return QString::fromUtf8(text.data());
}
