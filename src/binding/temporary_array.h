// Room for the temporary arrays of a conversion.
#pragma once

#include <sys/mman.h>

#include <cstdint>
#include <vector>

namespace vtx::py {

// Reserves room for n elements without touching it. Arrays of several
// megabytes ask the kernel for huge pages (where it grants them only on
// request): filling a million values then costs two page faults, not a
// thousand, and those faults cost more than the conversion itself.
template <typename T>
void reserveTemporary(std::vector<T>& v, size_t n) {
    v.clear();
    v.reserve(n);
#ifdef MADV_HUGEPAGE
    constexpr size_t kLarge = size_t(1) << 21;
    constexpr std::uintptr_t kPage = 4096;
    const size_t bytes = n * sizeof(T);
    if (bytes >= kLarge) {
        const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(v.data()) + kPage - 1) & ~(kPage - 1);
        const std::uintptr_t last = (reinterpret_cast<std::uintptr_t>(v.data()) + bytes) & ~(kPage - 1);
        if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
#endif
}

}  // namespace vtx::py
