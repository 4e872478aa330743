// alsconv's entry: the arguments the way the platform gives them. On Windows
// that is the UTF-16 command line (wmain, linked with -municode), so that
// every file name works, code page 932 or not.
#include <iostream>
#include <vector>

#include "alsconv/Alsconv.h"

#ifdef _WIN32
#include <windows.h>

#include <sstream>
#include <string>

#include "toolkit/Text.h"

namespace {

// A console shows the text whatever its code page; a file or pipe gets the
// code page 932 bytes as they are.
void WriteText(DWORD standardHandle, std::ostream& stream, const std::string& cp932) {
  const HANDLE handle = ::GetStdHandle(standardHandle);
  DWORD mode = 0;
  if (cp932.empty() || !::GetConsoleMode(handle, &mode)) {
    stream << cp932;
    return;
  }
  const std::wstring text = toolkit::Widen(cp932);
  DWORD written = 0;
  ::WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<alsconv::Argument> arguments;
  for (int i = 1; i < argc; ++i) {
    const auto exact = toolkit::NarrowExactly(argv[i]);
    arguments.push_back({argv[i], exact.value_or(toolkit::Narrow(argv[i])), exact.has_value()});
  }
  std::ostringstream out;
  std::ostringstream err;
  const int status = alsconv::Run(arguments, out, err);
  WriteText(STD_OUTPUT_HANDLE, std::cout, out.str());
  WriteText(STD_ERROR_HANDLE, std::cerr, err.str());
  return status;
}
#else
#include <clocale>
#include <sstream>

#include "alsconv/TerminalText.h"

// Options and the song name arrive in the terminal's encoding and are taken
// only when code page 932 holds them exactly; messages go back to it.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  const std::string terminal = alsconv::TerminalEncoding();
  std::vector<alsconv::Argument> arguments;
  for (int i = 1; i < argc; ++i) {
    const auto exact = alsconv::ConvertExactly(argv[i], terminal, alsconv::kTextEncoding);
    arguments.push_back({argv[i], exact.value_or(argv[i]), exact.has_value()});
  }
  std::ostringstream out;
  std::ostringstream err;
  const int status = alsconv::Run(arguments, out, err);
  std::cout << alsconv::ConvertForDisplay(out.str(), alsconv::kTextEncoding, terminal);
  std::cerr << alsconv::ConvertForDisplay(err.str(), alsconv::kTextEncoding, terminal);
  return status;
}
#endif
