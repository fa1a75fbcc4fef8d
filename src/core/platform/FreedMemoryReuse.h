#pragma once

// Keeps memory the program frees for its next allocations instead of handing it back to the system at once.
// Each output a batch makes allocates and frees the same few large buffers (decoder frames, resampler buffers).
// The C library's defaults return them to the system after every output, from worker threads even more eagerly,
// and the next output then pays a page fault for every page it touches again, plus, with several workers, a
// flush of every core's address cache. Call once at start, before any thread starts.
void keepFreedMemoryForReuse();
