// VemiString against the global heap's counters and faults, and the release-failure box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kernel/heap_hooks.h"
#include "text/vemi_string.h"
#include "user/message_box_hook.h"
#include "vemi_string_testing.h"

namespace {

using layer::heap::AllocationCount;
using layer::heap::LiveBlockCount;
using layer::heap::RefuseNthAllocation;
using layer::heap::ReleaseCount;
using layer::heap::SetReleasesFail;

// Hooks reset around every test; every box recorded; no block left behind.
class VemiStringHeapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    layer::heap::ResetHooks();
    liveBefore_ = LiveBlockCount();
    layer::SetMessageBoxRecorder([this](const layer::MessageBoxCall& call) {
      boxes_.push_back(call);
      return IDOK;
    });
  }
  void TearDown() override {
    layer::heap::ResetHooks();
    layer::ClearMessageBoxRecorder();
    EXPECT_EQ(LiveBlockCount(), liveBefore_) << "blocks leaked";
  }

  std::vector<layer::MessageBoxCall> boxes_;

 private:
  std::size_t liveBefore_ = 0;
};

TEST_F(VemiStringHeapTest, ReserveWithTheCurrentCapacityAllocatesNothing) {
  VemiString v;
  v.Assign("abc");
  layer::heap::ResetHooks();
  v.Reserve(32);
  EXPECT_EQ(AllocationCount(), 0u);
  EXPECT_EQ(ReleaseCount(), 0u);
}

TEST_F(VemiStringHeapTest, OnlyGrowingOperationsChangeTheBlock) {
  VemiString v;
  layer::heap::ResetHooks();
  v.Assign(std::string(31, 'a').c_str());
  v.Prepend("");
  v.Assign("b");
  v.Append(std::string(30, 'c').c_str());
  EXPECT_EQ(AllocationCount(), 0u);
  v.Append("d");
  EXPECT_EQ(AllocationCount(), 1u);
  EXPECT_EQ(ReleaseCount(), 1u);
}

TEST_F(VemiStringHeapTest, ReplaceAllEnlargesTheWorkingCopyOncePer260BytesOfGrowth) {
  struct Case {
    size_t occurrences;
    std::size_t enlargements;
  };
  const Case cases[] = {{260, 0}, {261, 1}, {520, 1}, {521, 2}, {781, 3}};
  for (const Case& c : cases) {
    VemiString v(DWORD(c.occurrences) + 1);
    v.Assign(std::string(c.occurrences, '/').c_str());
    layer::heap::ResetHooks();
    v.ReplaceAll("/", "／");
    // The working copy's first block, its enlargements, then the result's own growth.
    EXPECT_EQ(AllocationCount(), 1 + c.enlargements + 1) << c.occurrences;
    EXPECT_EQ(TextOf(v).size(), 2 * c.occurrences);
  }
}

TEST_F(VemiStringHeapTest, ReplaceAllWithoutOccurrenceDiscardsTheWorkingCopy) {
  VemiString v;
  v.Assign("title");
  char* before = v.buffer;
  std::size_t live = LiveBlockCount();
  v.ReplaceAll("/", "／");
  EXPECT_EQ(LiveBlockCount(), live);
  EXPECT_EQ(v.buffer, before);
  EXPECT_EQ(v.capacity, 32u);
}

TEST_F(VemiStringHeapTest, ARefusedFirstBlockLeavesAnEmptyTextThatLaterGrowthReplaces) {
  RefuseNthAllocation(1);
  VemiString v;
  EXPECT_EQ(v.buffer, nullptr);
  EXPECT_EQ(v.capacity, 32u);

  v.StripQuotes('"');
  v.AddQuotes('"');
  v.RemoveFileSpec();
  v.StripPath();
  EXPECT_EQ(v.ReplaceAll("a", "bb"), nullptr);
  EXPECT_EQ(v.Find(""), nullptr);
  EXPECT_EQ(v.IsSame(""), 1);
  EXPECT_EQ(v.IsDifferent("x"), 1);
  v.Append("fits");  // needs no more than the capacity: still no block
  EXPECT_EQ(v.buffer, nullptr);

  std::string longer(40, 'g');
  v.Prepend(longer.c_str());
  ASSERT_NE(v.buffer, nullptr);
  EXPECT_EQ(TextOf(v), longer);
  EXPECT_EQ(v.capacity, 41u);
}

TEST_F(VemiStringHeapTest, ARefusedGrowthLosesTheTextWithoutWriting) {
  enum class Op { Assign, Append, Prepend, Reserve };
  for (Op op : {Op::Assign, Op::Append, Op::Prepend, Op::Reserve}) {
    VemiString v;
    v.Assign("abc");
    std::size_t live = LiveBlockCount();
    RefuseNthAllocation(1);
    std::string longer(40, 'x');
    char* result = nullptr;
    switch (op) {
      case Op::Assign: result = v.Assign(longer.c_str()); break;
      case Op::Append: result = v.Append(longer.c_str()); break;
      case Op::Prepend: result = v.Prepend(longer.c_str()); break;
      case Op::Reserve: result = v.Reserve(100); break;
    }
    EXPECT_EQ(result, nullptr) << int(op);
    EXPECT_EQ(v.buffer, nullptr) << int(op);
    EXPECT_GT(v.capacity, 32u) << int(op);
    EXPECT_EQ(LiveBlockCount(), live - 1) << "old block kept, op " << int(op);
  }
}

TEST_F(VemiStringHeapTest, ARefusedCopyHasNoBlockAndAppendsNothing) {
  VemiString source;
  source.Assign("tail");
  RefuseNthAllocation(1);
  VemiString copy(source);
  EXPECT_EQ(copy.buffer, nullptr);
  EXPECT_EQ(copy.capacity, 32u);

  VemiString v;
  v.Assign("head");
  RefuseNthAllocation(1);
  v.Append(source);
  EXPECT_EQ(TextOf(v), "head");
  v.Assign(copy);
  EXPECT_EQ(TextOf(v), "head");
}

TEST_F(VemiStringHeapTest, ReplaceAllKeepsTheTextWhenItsWorkingCopyIsRefused) {
  // 1: the working copy's first block; 2: its enlargement at the 261st occurrence.
  for (std::size_t refused : {1u, 2u}) {
    VemiString v(262);
    std::string text(261, '/');
    v.Assign(text.c_str());
    char* before = v.buffer;
    RefuseNthAllocation(refused);
    v.ReplaceAll("/", "／");
    EXPECT_EQ(v.buffer, before) << refused;
    EXPECT_EQ(TextOf(v), text) << refused;
    EXPECT_EQ(v.capacity, 262u) << refused;
  }
}

TEST_F(VemiStringHeapTest, AFailedReleaseInTheDestructorShowsTheBox) {
  { VemiString v; SetReleasesFail(true); }
  SetReleasesFail(false);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].owner, nullptr);
  // "メモリの解放に失敗しました" in code page 932.
  EXPECT_EQ(boxes_[0].text,
            "\x83\x81\x83\x82\x83\x8a\x82\xcc\x89\xf0\x95\xfa\x82\xc9\x8e\xb8\x94\x73\x82\xb5"
            "\x82\xdc\x82\xb5\x82\xbd");
  EXPECT_EQ(boxes_[0].caption, "VemiString");
  EXPECT_EQ(boxes_[0].flags, UINT(MB_OK));
}

TEST_F(VemiStringHeapTest, AFailedReleaseDuringGrowthIsNotReported) {
  VemiString v;
  SetReleasesFail(true);
  v.Append(std::string(40, 'a').c_str());
  v.Reserve(31);
  SetReleasesFail(false);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(TextOf(v), std::string(40, 'a'));
}

TEST_F(VemiStringHeapTest, ADestructorWithoutABlockReleasesNothing) {
  RefuseNthAllocation(1);
  { VemiString v; }
  EXPECT_EQ(ReleaseCount(), 0u);
  EXPECT_TRUE(boxes_.empty());
}

}  // namespace
