#include "melopad/model/PrintArea.h"

namespace melopad {

namespace {
// Heights per 10000 of width: A4's proportion, and the scale of the ratio.
constexpr long long kA4Ratio = 14142;
constexpr long long kRatioScale = 10000;
}  // namespace

// In whole numbers, as printers count pixels: the page's proportion r is
// compared with A4's. A page at least as tall as A4 in proportion gives its
// full width and the height that goes with it; a squatter page (a letter
// sheet, say) gives its full height and leaves a strip at the right. The
// products are taken in 64 bits so that no page size overflows them.
PrintArea A4PrintArea(int pageWidth, int pageHeight) {
  if (pageWidth <= 0 || pageHeight <= 0) return {};
  const long long width = pageWidth;
  const long long height = pageHeight;
  const long long ratio = height * kRatioScale / width;
  if (ratio >= kA4Ratio) return {pageWidth, static_cast<int>(width * kA4Ratio / kRatioScale)};
  return {static_cast<int>(height * kRatioScale / kA4Ratio), pageHeight};
}

}  // namespace melopad
