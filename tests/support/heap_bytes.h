#pragma once
// Bytes the heap holds for the program right now, for tests that measure memory rather than
// time: the allocator's own count, also under AddressSanitizer.
#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMARO_HEAP_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define LUMARO_HEAP_ASAN 1
#endif

#ifdef LUMARO_HEAP_ASAN
#include <sanitizer/allocator_interface.h>
#else
#include <malloc.h>
#endif

namespace lumaro::testing {

inline size_t heapBytesInUse() {
#ifdef LUMARO_HEAP_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

}  // namespace lumaro::testing
