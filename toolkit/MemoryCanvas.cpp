#include "toolkit/MemoryCanvas.h"

#include <stdexcept>
#include <utility>

namespace toolkit {

MemoryCanvas::MemoryCanvas(HDC reference, UniqueBitmap bitmap)
    : bitmap_(std::move(bitmap)), dc_(::CreateCompatibleDC(reference)) {
  if (!dc_ || !bitmap_) throw std::runtime_error("cannot make a drawing surface");
  previous_ = ::SelectObject(dc_.Get(), bitmap_.Get());
}

MemoryCanvas::MemoryCanvas(MemoryCanvas&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      dc_(std::move(other.dc_)),
      previous_(std::exchange(other.previous_, nullptr)) {}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& other) noexcept {
  if (this != &other) {
    ReleaseBitmap();
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    previous_ = std::exchange(other.previous_, nullptr);
  }
  return *this;
}

MemoryCanvas::~MemoryCanvas() {
  ReleaseBitmap();
}

// The context lets go of the bitmap before either is deleted.
void MemoryCanvas::ReleaseBitmap() {
  if (dc_ && previous_ != nullptr) ::SelectObject(dc_.Get(), previous_);
  dc_.Reset();
  bitmap_.Reset();
  previous_ = nullptr;
}

SIZE MemoryCanvas::Size() const {
  BITMAP info{};
  if (bitmap_) ::GetObjectW(bitmap_.Get(), sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

}  // namespace toolkit
