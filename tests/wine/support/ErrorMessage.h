// The message of the error an action raises, for comparing with the text
// the user is shown.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace testing_support {

inline std::string ErrorMessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "(no error)";
}

}  // namespace testing_support
