// The message of the error an action raises, for comparing with the text
// the user is shown.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "toolkit/FileError.h"

namespace testing_support {

inline std::string ErrorMessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "(no error)";
}

// The same as the user sees it, in UTF-16: a file error names its path as it
// is, also where code page 932 cannot hold it.
inline std::wstring WideErrorMessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::runtime_error& error) {
    return toolkit::MessageOf(error);
  }
  return L"(no error)";
}

}  // namespace testing_support
