#include "FuzzFile.h"
#include "core/tags/ID3v2.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TID3v2 tag;
    const bool loaded = tag.Load(fuzzFile().write(data, size));
    require(loaded == (size >= kTagHeaderSize), "Load reads every file of at least 10 bytes");
    const bool marker = loaded && data[0] == 'I' && data[1] == 'D' && data[2] == '3';
    require(tag.TagFound() == marker, "TagFound exactly when the file starts with ID3");
    require(tag.TagSize() >= 0 && static_cast<std::size_t>(tag.TagSize()) <= size, "TagSize within the file");
    for (const QByteArray* text :
         {&tag.Title(), &tag.Artist(), &tag.Album(), &tag.Year(), &tag.Genre(), &tag.Comment()})
        require(text->size() <= kFrameBufferSize, "at most 250 bytes of text per frame");

    // The number and genre rules see every kind of text too.
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(std::min<std::size_t>(size, 64)));
    (void)TrackNumber(text);
    require(GenreText(text).size() <= text.size(), "a genre text never grows");
    return 0;
}
