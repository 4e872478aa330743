#include "install/MainForm/RecordedNames.h"

#include "install/script/ExactText.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace install {

namespace {

constexpr UINT kShiftJis = 932;

}  // namespace

std::vector<std::wstring> NoExtensionNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const toolkit::FolderEntry& entry : toolkit::ListFolder(folder)) {
    if (entry.name.find(L'.') == std::wstring::npos)
      names.push_back(toolkit::UpperCase(entry.name));
  }
  return names;
}

std::optional<std::string> RecordText(const std::wstring& text) {
  return NarrowExactly(text, kShiftJis);
}

}  // namespace install
