#include "platform/memory_policy.h"

#include <cstdlib>  // defines __GLIBC__ there
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace morvelin {

void ReturnLargeBlocksToTheSystem() {
#if defined(__GLIBC__)
  // glibc raises its mapping threshold to the size of each mapped block freed, up to 32 MB: after
  // a few resizes every backing store comes from the heap and stays resident once freed. A fixed
  // threshold keeps them mapped on their own; the heap's top is trimmed past a few megabytes.
  constexpr int kMapAbove = 1 << 20;
  constexpr int kTrimAbove = 4 << 20;
  mallopt(M_MMAP_THRESHOLD, kMapAbove);
  mallopt(M_TRIM_THRESHOLD, kTrimAbove);
#endif
}

}  // namespace morvelin
