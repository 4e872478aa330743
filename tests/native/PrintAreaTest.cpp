#include "melopad/model/PrintArea.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintArea, FitsAnA4AreaIntoThePrintablePartOfThePage) {
  const struct {
    const char* page;
    int width;
    int height;
    melopad::PrintArea area;
  } cases[] = {
      // A4 at 300 dpi, edge to edge: as tall as A4, so the full width.
      {"A4 whole sheet", 2480, 3508, {2480, 3507}},
      // A4 with margins is taller than A4 in proportion: still the full width.
      {"A4 printable part", 2379, 3408, {2379, 3364}},
      // Letter (proportion about 1.29): the full height, a strip at the right.
      {"letter whole sheet", 2550, 3300, {2333, 3300}},
      {"letter printable part", 2400, 3150, {2227, 3150}},
      // A4 lying on its side.
      {"A4 landscape", 3508, 2480, {1753, 2480}},
      // Exactly A4's proportion takes the full width; a hair squatter, the height.
      {"exactly A4", 10000, 14142, {10000, 14142}},
      {"just under A4", 10000, 14141, {9999, 14141}},
      // Products beyond 32 bits still come out right.
      {"a huge page", 1000000, 2000000, {1000000, 1414200}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(melopad::A4PrintArea(c.width, c.height), c.area) << c.page;
  }
}

TEST(PrintArea, APageWithoutSizeGivesAnEmptyArea) {
  EXPECT_EQ(melopad::A4PrintArea(0, 3508), melopad::PrintArea{});
  EXPECT_EQ(melopad::A4PrintArea(2480, 0), melopad::PrintArea{});
  EXPECT_EQ(melopad::A4PrintArea(-5, 100), melopad::PrintArea{});
}

}  // namespace
