#pragma once

#include <memory>

struct lame_global_struct; // LAME's lame_global_flags

// Owning handle of a LAME encoder. The closer is defined out of line so that a header holding such a handle need
// not include lame.h.
struct LameEncoderCloser {
    void operator()(lame_global_struct* encoder) const;
};

using LameEncoderHandle = std::unique_ptr<lame_global_struct, LameEncoderCloser>;
