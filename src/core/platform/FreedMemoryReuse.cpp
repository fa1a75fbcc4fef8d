#include "FreedMemoryReuse.h"

// Any C library header defines __GLIBC__ when the library is glibc.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Buffers below this size come from the heap, where they are reused, rather than from a mapping of their own
    // that is unmapped when freed. 32 MB is the largest the C library accepts here.
    constexpr int kOwnMappingFrom = 32 * 1024 * 1024;
    // Free memory at the heap's end beyond this much is returned to the system; below it, it is kept. Bounded, so
    // a long batch's memory stays flat.
    constexpr int kReturnedBeyond = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kOwnMappingFrom);
    mallopt(M_TRIM_THRESHOLD, kReturnedBeyond);
#endif
}
