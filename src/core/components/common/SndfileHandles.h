#pragma once

#include <memory>

struct sf_private_tag; // libsndfile's SNDFILE

// Owning handle of an open libsndfile file. The closer is defined out of line so that a header holding such a
// handle need not include sndfile.h.
struct SndfileCloser {
    void operator()(sf_private_tag* file) const;
};

using SndfilePtr = std::unique_ptr<sf_private_tag, SndfileCloser>;
