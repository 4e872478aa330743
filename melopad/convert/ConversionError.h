// The error of a conversion: a file of another format that cannot be read, or
// a tune that cannot be written. Its message is for the user, in CP932.
#pragma once

#include <stdexcept>

namespace melopad {

class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace melopad
