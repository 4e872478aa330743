#include "install/text/SupportedSystems.h"

#include <gtest/gtest.h>

namespace {

using install::SystemClass;

TEST(SupportedSystems, NumbersFollowTheTableNotBits) {
  // 95, 98, Me, NT 4, 2000 and later, Other.
  const struct {
    int version;
    bool supported[6];
  } cases[] = {
      {0, {false, false, false, false, false, false}},
      {2, {false, false, false, false, false, false}},
      {3, {false, false, false, true, true, false}},
      {9, {false, true, false, true, false, false}},
      {14, {false, true, true, false, true, false}},
      {22, {true, false, false, false, false, false}},
      {27, {true, true, true, true, true, true}},
      {29, {true, true, true, true, false, false}},
      {30, {true, true, true, false, false, false}},
      {31, {true, true, true, true, true, true}},
      {32, {false, false, false, false, false, false}},
      {-1, {false, false, false, false, false, false}},
  };
  const SystemClass classes[] = {SystemClass::Windows95,   SystemClass::Windows98,
                                 SystemClass::WindowsMe,   SystemClass::WindowsNt4,
                                 SystemClass::Windows2000, SystemClass::Other};
  for (const auto& c : cases) {
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(install::IsSupportedSystem(c.version, classes[i]), c.supported[i])
          << "InstallVersion " << c.version << ", class " << i;
    }
  }
}

TEST(SupportedSystems, VersionNumbersGiveTheClass) {
  EXPECT_EQ(install::Class9x(0), SystemClass::Windows95);
  EXPECT_EQ(install::Class9x(5), SystemClass::Other);
  EXPECT_EQ(install::Class9x(10), SystemClass::Windows98);
  EXPECT_EQ(install::Class9x(89), SystemClass::Windows98);
  EXPECT_EQ(install::Class9x(90), SystemClass::WindowsMe);
  EXPECT_EQ(install::ClassNt(4), SystemClass::WindowsNt4);
  EXPECT_EQ(install::ClassNt(5), SystemClass::Windows2000);
  EXPECT_EQ(install::ClassNt(10), SystemClass::Windows2000);
}

}  // namespace
