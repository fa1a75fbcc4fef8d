#include "TagFileKind.h"

#include <QFileInfo>
#include <QSet>

namespace {

bool startsWith(const QByteArray& head, const char* magic, qsizetype offset = 0) {
    return head.mid(offset).startsWith(QByteArray(magic));
}

const QByteArray& asfHeaderGuid() {
    static const QByteArray guid = QByteArray::fromHex("3026b2758e66cf11a6d900aa0062ce6c");
    return guid;
}

} // namespace

TagFileKind tagFileKind(const QString& fileName, const QByteArray& head) {
    // Headerless files carry arbitrary sample bytes; their first bytes may look like anything, so they are never
    // sniffed and never get a tag written into them.
    static const QSet<QString> headerless{"raw", "pcm", "vox", "g721", "g723", "g726", "au", "snd"};
    static const QSet<QString> mpeg{"mp3", "mp2", "mp1", "mpa"};
    static const QSet<QString> id3PrefixedOthers{"flac", "aac", "tta", "ape", "wv"};
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (headerless.contains(extension)) {
        return TagFileKind::None;
    }
    if (startsWith(head, "RIFF")) {
        if (startsWith(head, "WAVE", 8))
            return TagFileKind::Wav;
        // AVI keeps an INFO list that FFmpeg reads; TagLib knows no AVI, so nothing is ever written into one.
        return startsWith(head, "AVI ", 8) ? TagFileKind::Other : TagFileKind::None;
    }
    if (startsWith(head, "OggS")) {
        return TagFileKind::Ogg;
    }
    if (head.startsWith(asfHeaderGuid())) {
        return TagFileKind::Asf;
    }
    if (startsWith(head, "MPCK") || startsWith(head, "MP+")) {
        return TagFileKind::Mpc;
    }
    if (startsWith(head, ".snd")) {
        return TagFileKind::None;
    }
    if (startsWith(head, "ID3")) {
        return id3PrefixedOthers.contains(extension) ? TagFileKind::Other : TagFileKind::Mpeg;
    }
    if (mpeg.contains(extension)) {
        return TagFileKind::Mpeg;
    }
    if (extension == "wav" || extension == "wave") {
        return TagFileKind::Wav;
    }
    if (extension == "ogg" || extension == "oga") {
        return TagFileKind::Ogg;
    }
    if (extension == "wma" || extension == "asf") {
        return TagFileKind::Asf;
    }
    return TagFileKind::Other;
}
