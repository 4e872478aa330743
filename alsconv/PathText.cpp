#include "alsconv/Alsconv.h"

#ifdef _WIN32
#include "toolkit/Text.h"
#else
#include "alsconv/TerminalText.h"
#endif

namespace alsconv {

// Paths are UTF-16 on Windows and bytes in the terminal's encoding elsewhere.
std::string PathText(const std::filesystem::path& path) {
#ifdef _WIN32
  return toolkit::Narrow(path.native());
#else
  return ConvertForDisplay(path.native(), TerminalEncoding(), kTextEncoding);
#endif
}

}  // namespace alsconv
