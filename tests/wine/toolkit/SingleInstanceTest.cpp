#include "toolkit/SingleInstance.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SingleInstance, OnlyTheFirstClaimHoldsTheNameUntilItEnds) {
  const std::string name = "toolkit-test-" + std::to_string(::GetCurrentProcessId());
  {
    auto first = toolkit::SingleInstance::Claim(name);
    ASSERT_TRUE(first.has_value());
    EXPECT_FALSE(toolkit::SingleInstance::Claim(name).has_value());
  }
  EXPECT_TRUE(toolkit::SingleInstance::Claim(name).has_value());
}

}  // namespace
