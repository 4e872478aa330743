// Fonts of the programs' windows: a face name and a character height.
#pragma once

#include <string_view>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

// A Shift-JIS font; a negative height is the character height in pixels.
UniqueFont CreateUiFont(std::string_view face, int height);

// A fixed-pitch font of the character set; a positive height is the cell
// height in pixels, a negative one the character height.
UniqueFont CreateFixedPitchFont(std::string_view face, int height, BYTE charSet);

}  // namespace toolkit
