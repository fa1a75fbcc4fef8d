#include "FuzzFile.h"
#include "core/tags/ID3v2.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TagScan scan;
    const QString& path = fuzzFile().write(data, size);
    const bool hasHeader = ReadTagHeader(path, scan) && input.startsWith("ID3");
    const std::int32_t tagSize = hasHeader ? TotalTagSize(scan) : 0;

    TID3v2 tag;
    const bool stripped = tag.Strip(path);
    const QByteArray after = fuzzFile().read();
    require(stripped == hasHeader, "Strip succeeds exactly on files that start with a tag header");
    require(after == (stripped ? input.mid(tagSize) : input), "exactly the tag is removed");
    require(!fuzzFile().temporaryLeft(), "no ~ file is left behind");
    return 0;
}
