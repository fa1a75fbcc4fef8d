#include "G726Handles.h"

extern "C" {
#include <spandsp.h>
}

void G726StateFreer::operator()(g726_state_s* state) const {
    g726_free(state);
}
