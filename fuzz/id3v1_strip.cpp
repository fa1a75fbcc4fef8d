#include "FuzzFile.h"
#include "core/tags/ID3v1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TID3v1 tag;
    const bool stripped = tag.Strip(fuzzFile().write(data, size));
    const QByteArray after = fuzzFile().read();
    if (size < kTrailerSize) {
        require(!stripped && after == input, "a short file is refused and untouched");
        return 0;
    }
    require(stripped, "Strip succeeds on a readable, writable file");
    const bool marker = input.mid(input.size() - kTrailerSize, 3) == "TAG";
    require(after == (marker ? input.left(input.size() - kTrailerSize) : input), "exactly the tag is cut");
    return 0;
}
