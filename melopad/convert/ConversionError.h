#pragma once
#include <stdexcept>
#include <string>
namespace melopad {
// A file of another format that cannot be converted; what() is the message shown to the user.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
}  // namespace melopad
