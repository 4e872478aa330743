// COM ownership: a reference-counting pointer and the per-thread COM
// initialisation, undone only when it succeeded.
#pragma once

#include <objbase.h>
#include <windows.h>

#include <utility>

namespace toolkit {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For functions that hand out a new reference: releases the current one
  // and returns the place to put the new one.
  Interface** Put() {
    Reset();
    return &pointer_;
  }

  void Reset() {
    if (Interface* old = std::exchange(pointer_, nullptr)) old->Release();
  }

  // Another interface of the same object, or an empty pointer.
  template <typename Other>
  ComPtr<Other> As() const {
    ComPtr<Other> other;
    if (pointer_ != nullptr) {
      pointer_->QueryInterface(__uuidof(Other), reinterpret_cast<void**>(other.Put()));
    }
    return other;
  }

 private:
  Interface* pointer_ = nullptr;
};

class ComInitialization {
 public:
  ComInitialization() : result_(::CoInitialize(nullptr)) {}
  ComInitialization(const ComInitialization&) = delete;
  ComInitialization& operator=(const ComInitialization&) = delete;
  ~ComInitialization() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  bool Succeeded() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace toolkit
