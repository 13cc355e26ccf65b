#include "bench/memory.h"

#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace varnoq::bench {

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::size_t residentBytes() {
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0;
    std::size_t resident = 0;
    statm >> size >> resident;
    return resident * std::size_t(sysconf(_SC_PAGESIZE));
}

} // namespace varnoq::bench
