// The global heap: sizes, zero-init, handles, the test hooks.
#include <gtest/gtest.h>

#include <cstring>

#include "kernel/heap_hooks.h"
#include "kernel/kernel.h"
#include "kernel/unique_global.h"

namespace {

using layer::UniqueGlobal;

class HeapTest : public testing::Test {
 protected:
  void SetUp() override {
    layer::heap::ResetHooks();
    liveBefore_ = layer::heap::LiveBlockCount();
  }
  void TearDown() override {
    layer::heap::ResetHooks();
    EXPECT_EQ(layer::heap::LiveBlockCount(), liveBefore_) << "a test leaked a block";
  }
  std::size_t liveBefore_ = 0;
};

struct SizeCase {
  UINT flags;
  SIZE_T bytes;
  SIZE_T expectedSize;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << "flags " << c.flags << ", " << c.bytes << " bytes";
}

class HeapSizeTest : public HeapTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(HeapSizeTest, GlobalSizeIsTheSizeAsked) {
  const SizeCase c = GetParam();
  UniqueGlobal block(GlobalAlloc(c.flags, c.bytes));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block.get()), c.expectedSize);
}

INSTANTIATE_TEST_SUITE_P(Sizes, HeapSizeTest,
                         testing::Values(SizeCase{GMEM_FIXED, 1, 1}, SizeCase{GMEM_FIXED, 160, 160},
                                         SizeCase{GMEM_FIXED, 388, 388},
                                         SizeCase{GPTR, 4096, 4096},
                                         SizeCase{GMEM_FIXED, 1 << 20, 1 << 20},
                                         SizeCase{GMEM_MOVEABLE, 23, 23},
                                         // Windows gives a fixed zero-byte request one byte.
                                         SizeCase{GMEM_FIXED, 0, 1},
                                         // and a moveable one a discarded block of size 0.
                                         SizeCase{GMEM_MOVEABLE, 0, 0}));

TEST_F(HeapTest, FixedBlockIsItsOwnAddressAndWritable) {
  UniqueGlobal block(GlobalAlloc(GMEM_FIXED, 160));
  ASSERT_NE(block, nullptr);
  std::memset(block.get(), 0xAB, 160);
  EXPECT_EQ(GlobalLock(block.get()), block.get());
  EXPECT_TRUE(GlobalUnlock(block.get()));
}

TEST_F(HeapTest, ZeroInitClearsTheBlock) {
  for (int round = 0; round < 8; ++round) {
    // Dirty some memory first, so a reused chunk would show.
    { UniqueGlobal dirty(GlobalAlloc(GMEM_FIXED, 1000)); std::memset(dirty.get(), 0xFF, 1000); }
    UniqueGlobal block(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 1000));
    ASSERT_NE(block, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(block.get());
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
  }
}

TEST_F(HeapTest, FreeReturnsNullOnSuccessAndTheHandleForAnUnknownOne) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, 8);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalFree(block), nullptr);
  SetLastError(0xDEADBEEF);
  EXPECT_EQ(GlobalFree(block), block) << "a freed handle is caught";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
}

TEST_F(HeapTest, UnknownHandles) {
  int local = 0;
  HGLOBAL unknown = &local;
  SetLastError(0);
  EXPECT_EQ(GlobalSize(unknown), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  SetLastError(0);
  EXPECT_EQ(GlobalLock(unknown), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  SetLastError(0);
  EXPECT_EQ(GlobalFree(unknown), unknown);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  SetLastError(0);
  EXPECT_TRUE(GlobalUnlock(unknown)) << "Windows answers TRUE here";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(HeapTest, MoveableBlockLockCount) {
  UniqueGlobal block(GlobalAlloc(GHND, 256));
  ASSERT_NE(block, nullptr);
  void* first = GlobalLock(block.get());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GlobalLock(block.get()), first);
  EXPECT_TRUE(GlobalUnlock(block.get()));
  SetLastError(0xDEADBEEF);
  EXPECT_FALSE(GlobalUnlock(block.get()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
  SetLastError(0xDEADBEEF);
  EXPECT_FALSE(GlobalUnlock(block.get()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
}

TEST_F(HeapTest, EmptyMoveableBlockCannotBeLocked) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 0));
  ASSERT_NE(block, nullptr);
  SetLastError(0);
  EXPECT_EQ(GlobalLock(block.get()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISCARDED));
}

TEST_F(HeapTest, RefuseNthAllocation) {
  layer::heap::RefuseNthAllocation(3);
  UniqueGlobal first(GlobalAlloc(GMEM_FIXED, 10));
  UniqueGlobal second(GlobalAlloc(GMEM_FIXED, 10));
  SetLastError(0);
  UniqueGlobal third(GlobalAlloc(GMEM_FIXED, 10));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  UniqueGlobal fourth(GlobalAlloc(GMEM_FIXED, 10));
  EXPECT_NE(first, nullptr);
  EXPECT_NE(second, nullptr);
  EXPECT_EQ(third, nullptr);
  EXPECT_NE(fourth, nullptr) << "only the n-th is refused";
  EXPECT_EQ(layer::heap::AllocationCount(), 3u) << "a refused allocation is not counted";
}

TEST_F(HeapTest, RefuseTheNextAllocationAndZeroRefusesNothing) {
  layer::heap::RefuseNthAllocation(1);
  EXPECT_EQ(GlobalAlloc(GMEM_FIXED, 10), nullptr);
  layer::heap::RefuseNthAllocation(5);
  layer::heap::RefuseNthAllocation(0);
  for (int i = 0; i < 10; ++i) {
    UniqueGlobal block(GlobalAlloc(GMEM_FIXED, 10));
    EXPECT_NE(block, nullptr);
  }
}

TEST_F(HeapTest, FailingReleaseReportsFailureButReclaimsTheBlock) {
  const std::size_t live = layer::heap::LiveBlockCount();
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, 64);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(layer::heap::LiveBlockCount(), live + 1);
  layer::heap::SetReleasesFail(true);
  SetLastError(0);
  EXPECT_EQ(GlobalFree(block), block);
  EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(layer::heap::LiveBlockCount(), live) << "the block is reclaimed all the same";
  layer::heap::SetReleasesFail(false);
  HGLOBAL other = GlobalAlloc(GMEM_FIXED, 64);
  EXPECT_EQ(GlobalFree(other), nullptr);
}

TEST_F(HeapTest, Counters) {
  EXPECT_EQ(layer::heap::AllocationCount(), 0u);
  EXPECT_EQ(layer::heap::ReleaseCount(), 0u);
  const std::size_t live = layer::heap::LiveBlockCount();
  HGLOBAL a = GlobalAlloc(GMEM_FIXED, 1);
  HGLOBAL b = GlobalAlloc(GPTR, 2);
  EXPECT_EQ(layer::heap::AllocationCount(), 2u);
  EXPECT_EQ(layer::heap::LiveBlockCount(), live + 2);
  GlobalFree(a);
  EXPECT_EQ(layer::heap::ReleaseCount(), 1u);
  EXPECT_EQ(layer::heap::LiveBlockCount(), live + 1);
  GlobalFree(b);
  GlobalFree(nullptr);  // not a release
  EXPECT_EQ(layer::heap::ReleaseCount(), 2u);
  EXPECT_EQ(layer::heap::LiveBlockCount(), live);
  layer::heap::ResetHooks();
  EXPECT_EQ(layer::heap::AllocationCount(), 0u);
  EXPECT_EQ(layer::heap::ReleaseCount(), 0u);
}

}  // namespace
