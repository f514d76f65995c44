// Fault injection and counters for the global heap, for tests of code that allocates from it.
#pragma once

#include <cstddef>

namespace layer::heap {

// Forgets every hook and zeroes the counters (live blocks stay live and counted).
void ResetHooks();

// The n-th GlobalAlloc from now on (1 = the next one) is refused: it returns null and
// sets ERROR_NOT_ENOUGH_MEMORY. 0 refuses nothing.
void RefuseNthAllocation(std::size_t n);

// While set, GlobalFree reports failure (returns the block, as Windows does when a release fails).
// The block is reclaimed all the same, so a test that uses this leaks nothing.
void SetReleasesFail(bool fail);

// Allocations granted and releases asked for (GlobalFree with a non-null handle, known or not,
// failed or not) since the last ResetHooks.
std::size_t AllocationCount();
std::size_t ReleaseCount();

// Blocks currently live.
std::size_t LiveBlockCount();

}  // namespace layer::heap
