#include "SndfileHandles.h"

#include <sndfile.h>

void SndfileCloser::operator()(sf_private_tag* file) const {
    sf_close(file);
}
