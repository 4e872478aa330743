#include "toolkit/Metafile.h"

#include <stdexcept>
#include <string>

#include "toolkit/Text.h"

namespace toolkit {

namespace {

// The placeable header: key, handle, bounding box (left, top, right,
// bottom), units per inch, a reserved double word, and the XOR of the ten
// words before it as its checksum.
constexpr std::size_t kHeaderSize = 22;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kUnitsPerInchOffset = 14;
constexpr std::size_t kChecksumOffset = 20;

std::uint16_t WordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

int SignedWordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int16_t>(WordAt(bytes, offset));
}

bool IsPlaceableHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() <= kHeaderSize) return false;
  const std::uint32_t key = WordAt(bytes, 0) | static_cast<std::uint32_t>(WordAt(bytes, 2)) << 16;
  if (key != kPlaceableKey) return false;
  std::uint16_t checksum = 0;
  for (std::size_t offset = 0; offset < kChecksumOffset; offset += 2) {
    checksum ^= WordAt(bytes, offset);
  }
  return checksum == WordAt(bytes, kChecksumOffset);
}

}  // namespace

Metafile::Metafile(UniqueMetafile handle, const RECT& bounds, int unitsPerInch)
    : handle_(std::move(handle)), bounds_(bounds), unitsPerInch_(unitsPerInch) {}

Metafile Metafile::FromPlaceableBytes(std::span<const std::uint8_t> bytes) {
  if (!IsPlaceableHeader(bytes)) throw std::runtime_error("not a placeable metafile");
  const RECT bounds{SignedWordAt(bytes, 6), SignedWordAt(bytes, 8), SignedWordAt(bytes, 10),
                    SignedWordAt(bytes, 12)};
  if (bounds.right <= bounds.left || bounds.bottom <= bounds.top) {
    throw std::runtime_error("metafile with an empty bounding box");
  }
  const std::span<const std::uint8_t> records = bytes.subspan(kHeaderSize);
  UniqueMetafile handle(::SetMetaFileBitsEx(static_cast<UINT>(records.size()), records.data()));
  if (!handle) throw std::runtime_error("unreadable metafile records");
  return Metafile(std::move(handle), bounds, WordAt(bytes, kUnitsPerInchOffset));
}

// Resources stay mapped while the program runs; nothing here is freed.
Metafile Metafile::FromResource(const wchar_t* name) {
  HMODULE program = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(program, name, MAKEINTRESOURCEW(10));
  HGLOBAL loaded = resource != nullptr ? ::LoadResource(program, resource) : nullptr;
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) throw std::runtime_error("missing metafile resource " + Narrow(name));
  return FromPlaceableBytes(
      {static_cast<const std::uint8_t*>(data), ::SizeofResource(program, resource)});
}

Metafile Metafile::Copy() const {
  UniqueMetafile copy(::CopyMetaFileW(handle_.Get(), nullptr));
  if (!copy) throw std::runtime_error("cannot copy a metafile");
  return Metafile(std::move(copy), bounds_, unitsPerInch_);
}

// The bounding box becomes the window, the target the viewport; the target
// is taken through the context's own mapping first, so a context that is
// already offset or scaled keeps its meaning. Records that set the window
// themselves override it, as they do on any player. An empty target shows
// nothing (an extent of zero would leave the picture at its own size).
void Metafile::Play(HDC dc, const RECT& target) const {
  if (target.right <= target.left || target.bottom <= target.top) return;
  POINT corners[2] = {{target.left, target.top}, {target.right, target.bottom}};
  ::LPtoDP(dc, corners, 2);
  const int saved = ::SaveDC(dc);
  ::SetMapMode(dc, MM_ANISOTROPIC);
  ::SetWindowOrgEx(dc, bounds_.left, bounds_.top, nullptr);
  ::SetWindowExtEx(dc, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top, nullptr);
  ::SetViewportOrgEx(dc, corners[0].x, corners[0].y, nullptr);
  ::SetViewportExtEx(dc, corners[1].x - corners[0].x, corners[1].y - corners[0].y, nullptr);
  ::PlayMetaFile(dc, handle_.Get());
  ::RestoreDC(dc, saved);
}

}  // namespace toolkit
