#include "install/text/ScriptNames.h"

#include "install/text/DbcsText.h"

namespace install {

namespace {

bool IsDotName(std::string_view name) {
  return name.empty() || name == "." || name == "..";
}

// "/" and ":" are below the range of second bytes, so a plain search finds
// only real ones; "\" is not.
bool HoldsBackslash(std::string_view name) {
  return FindSeparator(name, '\\') != std::string_view::npos;
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  return !IsDotName(name) && name.find('/') == std::string_view::npos;
}

bool IsPlainShortcutName(std::string_view name) {
  return IsPlainFileName(name) && name.find(':') == std::string_view::npos && !HoldsBackslash(name);
}

bool IsSingleKeyName(std::string_view name) {
  return !IsDotName(name) && !HoldsBackslash(name);
}

}  // namespace install
