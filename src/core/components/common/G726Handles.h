#pragma once

#include <memory>

struct g726_state_s; // spandsp's g726_state_t

// Owning handle of a spandsp G.726 codec state. The freer is defined out of line so that a header holding such a
// handle need not include spandsp.h.
struct G726StateFreer {
    void operator()(g726_state_s* state) const;
};

using G726StatePtr = std::unique_ptr<g726_state_s, G726StateFreer>;
