// Tests that create Shell Link objects run inside an initialised apartment.
#pragma once

#include <gtest/gtest.h>

#include "platform.h"

class ComTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};
