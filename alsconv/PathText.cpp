#include "alsconv/Alsconv.h"

#ifdef _WIN32
#include "toolkit/Text.h"
#endif

namespace alsconv {

// Paths are UTF-16 on Windows and bytes elsewhere, as the system gave them.
std::string PathText(const std::filesystem::path& path) {
#ifdef _WIN32
  return toolkit::Narrow(path.native());
#else
  return path.native();
#endif
}

}  // namespace alsconv
