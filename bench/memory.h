#pragma once

#include <cstddef>

// What the process holds, for the benchmarks that check memory is given back.
namespace varnoq::bench {

// Bytes the allocator has handed out and not had back.
std::size_t heapInUse();
// The resident set of this process, in bytes, after giving freed memory back to the system.
std::size_t residentBytes();

} // namespace varnoq::bench
