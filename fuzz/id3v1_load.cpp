#include "FuzzFile.h"
#include "core/tags/ID3v1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TID3v1 tag;
    const bool loaded = tag.Load(fuzzFile().write(data, size));
    require(loaded == (size >= kTrailerSize), "Load reads every file of at least 128 bytes");
    const bool marker = loaded && data[size - 128] == 'T' && data[size - 127] == 'A' && data[size - 126] == 'G';
    require(tag.TagFound() == marker, "TagFound exactly when the trailer starts with TAG");
    require(tag.Title().size() <= 30 && tag.Artist().size() <= 30 && tag.Album().size() <= 30 &&
                tag.Year().size() <= 4 && tag.Comment().size() <= 30,
            "texts within their fields");
    require(tag.SubVersion() == 1 || tag.SubVersion() == 2, "layout 1 or 2");
    require(tag.SubVersion() == 2 || tag.Track() == 0, "no track in the ID3v1.0 layout");
    return 0;
}
