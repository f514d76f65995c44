// The last error, interlocked counters and the system directory.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "kernel/kernel.h"

namespace {

TEST(LastError, PerThread) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  DWORD seenByOther = 1;
  std::thread other([&] {
    seenByOther = GetLastError();
    SetLastError(ERROR_ACCESS_DENIED);
  });
  other.join();
  EXPECT_EQ(seenByOther, static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(Interlocked, ReturnsTheNewValue) {
  LONG volatile value = 0;
  EXPECT_EQ(InterlockedIncrement(&value), 1);
  EXPECT_EQ(InterlockedIncrement(&value), 2);
  EXPECT_EQ(InterlockedDecrement(&value), 1);
  EXPECT_EQ(InterlockedDecrement(&value), 0);
  EXPECT_EQ(InterlockedDecrement(&value), -1);
}

TEST(Interlocked, AtomicAcrossThreads) {
  LONG volatile value = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 10000; ++i) {
        InterlockedIncrement(&value);
        InterlockedIncrement(&value);
        InterlockedDecrement(&value);
      }
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(value, 40000);
}

TEST(GetSystemDirectoryA, Fits) {
  char buffer[MAX_PATH];
  EXPECT_EQ(GetSystemDirectoryA(buffer, MAX_PATH), 19u);
  EXPECT_STREQ(buffer, "C:\\Windows\\System32");
  char exact[20];
  EXPECT_EQ(GetSystemDirectoryA(exact, sizeof exact), 19u);
  EXPECT_STREQ(exact, "C:\\Windows\\System32");
}

TEST(GetSystemDirectoryA, TooSmallGivesTheSizeWithTerminator) {
  char buffer[19];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetSystemDirectoryA(buffer, sizeof buffer), 20u);
  EXPECT_EQ(buffer[0], 'x') << "nothing written";
  EXPECT_EQ(GetSystemDirectoryA(nullptr, 0), 20u);
}

}  // namespace
