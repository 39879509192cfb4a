#include "VectorState.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

namespace {
__attribute__((target("avx"))) void zeroUpper() {
    _mm256_zeroupper();
}
const bool processorHasAvx = __builtin_cpu_supports("avx");
} // namespace

void spectrum::clearUpperVectorState() {
    if (processorHasAvx)
        zeroUpper();
}
#else
void spectrum::clearUpperVectorState() {}
#endif
