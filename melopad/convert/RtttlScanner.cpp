#include "melopad/convert/RtttlScanner.h"

#include <algorithm>
#include <string>

#include "melopad/convert/ConversionError.h"

namespace melopad::rtttl {

namespace {

constexpr int kTooLarge = 100'000;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

int Lower(char c) {
  const int byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
}

}  // namespace

void Scanner::SkipSpace() {
  while (next_ < text_.size() && IsSpace(text_[next_])) ++next_;
}

int Scanner::Peek() {
  SkipSpace();
  return next_ < text_.size() ? Lower(text_[next_]) : kEnd;
}

int Scanner::Take() {
  const int c = Peek();
  if (c != kEnd) ++next_;
  return c;
}

bool Scanner::TakeIf(char expected) {
  if (Peek() != expected) return false;
  ++next_;
  return true;
}

void Scanner::Expect(char expected) {
  if (!TakeIf(expected)) FailHere();
}

bool Scanner::AtDigit() {
  const int c = Peek();
  return c >= '0' && c <= '9';
}

int Scanner::TakeNumber() {
  if (!AtDigit()) FailHere();
  int value = 0;
  while (AtDigit()) value = std::min(value * 10 + (Take() - '0'), kTooLarge);
  return value;
}

std::size_t Scanner::Position() {
  SkipSpace();
  return next_ + 1;
}

void Scanner::FailHere() {
  if (Peek() == kEnd) throw ConversionError("RTTTL が途中で終わっています");
  throw ConversionError("RTTTL の " + std::to_string(Position()) + " 文字目が読めません");
}

void Scanner::FailAt(std::size_t position, const char* whatIsAllowed) {
  throw ConversionError("RTTTL の " + std::to_string(position) + " 文字目の値は使えません(" +
                        whatIsAllowed + ")");
}

}  // namespace melopad::rtttl
