#pragma once
// The heap a process has in use, as glibc counts it: its small blocks and
// its mapped ones. The benchmarks are native (glibc) only.
#include <malloc.h>

#include <cstdint>

inline std::int64_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return std::int64_t(info.uordblks + info.hblkhd);
}
