#include "VectorUnit.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}

bool processorHasAvx() {
    static const bool hasAvx = __builtin_cpu_supports("avx") != 0;
    return hasAvx;
}

} // namespace

void clearUpperVectorHalves() {
    if (processorHasAvx())
        zeroUpperHalves();
}

#else

void clearUpperVectorHalves() {}

#endif
