#include "LameHandles.h"

#include <lame.h>

void LameEncoderCloser::operator()(lame_global_struct* encoder) const {
    lame_close(encoder);
}
