// Where the key map page goes on a printed sheet: the largest area of A4
// portrait proportion (height : width = 1.4142) that fits into the
// printable part of the page, from its top left corner.
#pragma once

namespace melopad {

struct PrintArea {
  int width = 0;
  int height = 0;
  bool operator==(const PrintArea&) const = default;
};

// Both sizes in device pixels; a page without size gives an empty area.
PrintArea A4PrintArea(int pageWidth, int pageHeight);

}  // namespace melopad
