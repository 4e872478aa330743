// A system-wide named mutex that marks one running copy of a program.
#pragma once

#include <optional>
#include <string_view>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

class SingleInstance {
 public:
  // Creates the mutex, owned, unless another copy already holds one of this
  // name; then returns nothing. The mutex is held as long as the object lives.
  static std::optional<SingleInstance> Claim(std::string_view name);

 private:
  explicit SingleInstance(UniqueKernelHandle mutex) : mutex_(std::move(mutex)) {}
  UniqueKernelHandle mutex_;
};

}  // namespace toolkit
