#include "platform/heap_tuning.h"

#include <malloc.h>

namespace brontaxe::platform {

namespace {
// Blocks up to this size come from the heap (the allocator's own ceiling for its sliding
// threshold on 64-bit systems), and up to this much free memory at its top is kept.
constexpr int kHeldMegabytes = 32;
}  // namespace

void keepFreedMemoryForReuse() {
    constexpr int bytes = kHeldMegabytes * 1024 * 1024;
    ::mallopt(M_MMAP_THRESHOLD, bytes);
    ::mallopt(M_TRIM_THRESHOLD, bytes);
}

}  // namespace brontaxe::platform
