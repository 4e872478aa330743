#include "toolkit/BevelLine.h"

namespace toolkit {

// The system's static control draws the line; its text is not shown.
void BevelLine::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateStandard(L"STATIC", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_ETCHEDHORZ, bounds,
                 parent, text, NextId(parent));
}

}  // namespace toolkit
