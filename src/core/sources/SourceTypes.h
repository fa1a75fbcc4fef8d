#pragma once

#include "SourceKind.h"

#include <QString>
#include <QStringList>
#include <span>

// One file type the program reads as a source.
struct SourceType {
    const char* extension; // with its dot; names are matched letter for letter
    SourceKind kind;       // a video file stands for its sound track
    bool inAudioFilter;    // offered by the browser's and the Add dialog's audio formats
    bool inVideoFilter;    // offered by the browser's video formats
    bool tagEditable;      // listed by the tag editor's browser
    const char* mimeTypes; // ";"-separated, what the desktop entry offers to open; empty when the system has none
};

// Every source type, audio first, then video. All lists of extensions, name patterns and MIME types the program
// shows or installs are made from this one table, so that no two places disagree about a type.
namespace SourceTypes {

[[nodiscard]] std::span<const SourceType> all();

// The name patterns ("*.wav") of the types the browser offers among its audio formats, its video formats, or all
// of them, in table order and each once.
[[nodiscard]] QStringList audioFilterPatterns();
[[nodiscard]] QStringList videoFilterPatterns();
[[nodiscard]] QStringList allPatterns();

// The name patterns of cue sheets, which list the tracks of CD images: "*.cue". They are no source of their own, so
// the combined filters leave them out.
[[nodiscard]] QStringList sheetPatterns();

// The file mask of the tag editor's browser, ";"-separated.
[[nodiscard]] QString tagEditorMask();

// The extensions of the video types, blank-separated: ".avi .mpg ...".
[[nodiscard]] QString videoExtensionsText();

// The MIME types of all types, in table order and each once.
[[nodiscard]] QStringList mimeTypes();

} // namespace SourceTypes
