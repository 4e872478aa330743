// Whole numbers as the setup script writes them: decimal, or hexadecimal
// after "$", "0x" or "0X".
#pragma once

#include <string_view>

namespace install {

// The number the whole of text spells: decimal with an optional sign, or
// after a leading "$", "0x" or "0X" up to eight hexadecimal digits taken as
// the 32-bit pattern ("$FFFFFFFF" is -1). Empty text, text that is not such a
// number and a number out of the 32-bit range give defaultValue.
int ParseInteger(std::string_view text, int defaultValue);

}  // namespace install
