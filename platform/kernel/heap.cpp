// The global heap: GlobalAlloc and friends over malloc, with a registry of live blocks so that
// unknown or freed handles are caught as Windows catches them, and with the test hooks of
// heap_hooks.h.
//
// Windows facts kept here (measured by Wine's kernel32 heap tests on real Windows):
// - GlobalAlloc(GMEM_FIXED, 0) gives a valid block whose GlobalSize is 1.
// - GlobalAlloc(GMEM_MOVEABLE, 0) gives a handle to a discarded block: GlobalSize 0, GlobalLock
//   fails with ERROR_DISCARDED, GlobalFree releases it.
// - GlobalUnlock of a fixed block returns TRUE; of a moveable one, nonzero while it stays locked,
//   0 with NO_ERROR when the count reaches 0, 0 with ERROR_NOT_LOCKED when it was not locked.
// - Unknown handles: GlobalFree returns the handle, GlobalSize 0, GlobalLock null, all with
//   ERROR_INVALID_HANDLE; GlobalUnlock returns TRUE with ERROR_INVALID_HANDLE.
// Here a moveable block never moves: its handle is its address (GlobalLock returns the handle).
// Flags other than GMEM_MOVEABLE and GMEM_ZEROINIT are accepted and have no effect.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "heap_hooks.h"
#include "kernel.h"

namespace {

struct Block {
  SIZE_T size;
  bool moveable;
  bool discarded;  // a moveable block of 0 bytes
  unsigned lockCount;
};

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

struct Heap {
  std::mutex mutex;
  std::unordered_map<void*, Block> blocks;
  std::size_t refuseAt = 0;  // countdown to the refused allocation; 0 = none
  bool releasesFail = false;
  std::size_t allocations = 0;
  std::size_t releases = 0;
};

Heap& TheHeap() {
  // Never destroyed: blocks may be released by objects destroyed after main.
  static Heap* heap = new Heap;
  return *heap;
}

// The live block behind a handle; null, with ERROR_INVALID_HANDLE, for an unknown handle.
// The caller holds the heap's lock.
Block* FindBlock(Heap& heap, HGLOBAL handle) {
  auto it = heap.blocks.find(handle);
  if (it == heap.blocks.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return &it->second;
}

}  // namespace

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  if (heap.refuseAt != 0 && --heap.refuseAt == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  const bool moveable = (flags & GMEM_MOVEABLE) != 0;
  const bool discarded = moveable && bytes == 0;
  const SIZE_T size = (!moveable && bytes == 0) ? 1 : bytes;
  // malloc(0) may return null; keep a real byte behind a discarded handle so it is unique.
  std::unique_ptr<void, FreeDeleter> memory(std::malloc(size == 0 ? 1 : size));
  if (!memory) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (flags & GMEM_ZEROINIT) std::memset(memory.get(), 0, size == 0 ? 1 : size);
  heap.blocks.emplace(memory.get(), Block{size, moveable, discarded, 0});
  ++heap.allocations;
  return memory.release();
}

SIZE_T WINAPI GlobalSize(HGLOBAL handle) {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  const Block* block = FindBlock(heap, handle);
  return block ? block->size : 0;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL handle) {
  if (!handle) return nullptr;
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  ++heap.releases;
  if (!FindBlock(heap, handle)) return handle;
  heap.blocks.erase(handle);
  std::free(handle);
  if (heap.releasesFail) {
    // Injected failure: report it as Windows does, but reclaim the block all the same.
    SetLastError(ERROR_INVALID_HANDLE);
    return handle;
  }
  return nullptr;
}

LPVOID WINAPI GlobalLock(HGLOBAL handle) {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  Block* found = FindBlock(heap, handle);
  if (!found) return nullptr;
  Block& block = *found;
  if (block.discarded) {
    SetLastError(ERROR_DISCARDED);
    return nullptr;
  }
  if (block.moveable) ++block.lockCount;
  return handle;
}

BOOL WINAPI GlobalUnlock(HGLOBAL handle) {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  Block* found = FindBlock(heap, handle);
  if (!found) return TRUE;  // as Windows answers an unknown handle
  Block& block = *found;
  if (!block.moveable) return TRUE;
  if (block.lockCount == 0) {
    SetLastError(ERROR_NOT_LOCKED);
    return FALSE;
  }
  if (--block.lockCount == 0) {
    SetLastError(NO_ERROR);
    return FALSE;
  }
  return TRUE;
}

namespace layer::heap {

void ResetHooks() {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  heap.refuseAt = 0;
  heap.releasesFail = false;
  heap.allocations = 0;
  heap.releases = 0;
}

void RefuseNthAllocation(std::size_t n) {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  heap.refuseAt = n;
}

void SetReleasesFail(bool fail) {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  heap.releasesFail = fail;
}

std::size_t AllocationCount() {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  return heap.allocations;
}

std::size_t ReleaseCount() {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  return heap.releases;
}

std::size_t LiveBlockCount() {
  Heap& heap = TheHeap();
  std::lock_guard<std::mutex> lock(heap.mutex);
  return heap.blocks.size();
}

}  // namespace layer::heap
