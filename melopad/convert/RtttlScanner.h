// Reads the sections of an RTTTL text after its name byte by byte. White
// space is skipped wherever it stands and upper case reads as lower case;
// errors name the 1-based byte position in the whole text.
#pragma once

#include <cstddef>
#include <string_view>

namespace melopad::rtttl {

class Scanner {
 public:
  static constexpr int kEnd = -1;

  Scanner(std::string_view text, std::size_t start) : text_(text), next_(start) {}

  // The next byte, lower case; kEnd after the last.
  int Peek();
  int Take();
  bool TakeIf(char expected);
  void Expect(char expected);
  bool AtDigit();
  // Up to five digits as a number, more as a value larger than any RTTTL
  // allows, so that no value overflows.
  int TakeNumber();
  std::size_t Position();

  // Throws the error for the next byte: unreadable, or the text ends early.
  [[noreturn]] void FailHere();
  [[noreturn]] static void FailAt(std::size_t position, const char* whatIsAllowed);

 private:
  void SkipSpace();

  std::string_view text_;
  std::size_t next_;
};

}  // namespace melopad::rtttl
