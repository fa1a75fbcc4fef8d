#pragma once

#include <FLAC/metadata.h>
#include <FLAC/stream_decoder.h>
#include <FLAC/stream_encoder.h>
#include <memory>

// Owning handles of the libFLAC objects the reader and the writer use.
struct FlacDecoderDeleter {
    void operator()(FLAC__StreamDecoder* decoder) const { FLAC__stream_decoder_delete(decoder); }
};
struct FlacEncoderDeleter {
    void operator()(FLAC__StreamEncoder* encoder) const { FLAC__stream_encoder_delete(encoder); }
};
struct FlacMetadataDeleter {
    void operator()(FLAC__StreamMetadata* block) const { FLAC__metadata_object_delete(block); }
};
struct FlacChainDeleter {
    void operator()(FLAC__Metadata_Chain* chain) const { FLAC__metadata_chain_delete(chain); }
};
struct FlacIteratorDeleter {
    void operator()(FLAC__Metadata_Iterator* iterator) const { FLAC__metadata_iterator_delete(iterator); }
};

using FlacDecoderPtr = std::unique_ptr<FLAC__StreamDecoder, FlacDecoderDeleter>;
using FlacEncoderPtr = std::unique_ptr<FLAC__StreamEncoder, FlacEncoderDeleter>;
using FlacMetadataPtr = std::unique_ptr<FLAC__StreamMetadata, FlacMetadataDeleter>;
using FlacChainPtr = std::unique_ptr<FLAC__Metadata_Chain, FlacChainDeleter>;
using FlacIteratorPtr = std::unique_ptr<FLAC__Metadata_Iterator, FlacIteratorDeleter>;
