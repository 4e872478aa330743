#include "install/QvSystemAPI/Sha256.h"

#include <windows.h>

#include <bcrypt.h>

#include <array>
#include <stdexcept>

#include "toolkit/UniqueHandle.h"

namespace install {

namespace {

struct AlgorithmTraits {
  using Handle = BCRYPT_ALG_HANDLE;
  static Handle Empty() { return nullptr; }
  static void Close(Handle handle) { ::BCryptCloseAlgorithmProvider(handle, 0); }
};

struct HashTraits {
  using Handle = BCRYPT_HASH_HANDLE;
  static Handle Empty() { return nullptr; }
  static void Close(Handle handle) { ::BCryptDestroyHash(handle); }
};

constexpr std::size_t kSha256Size = 32;

void Check(NTSTATUS status) {
  if (!BCRYPT_SUCCESS(status)) throw std::runtime_error("SHA-256 を計算できません");
}

}  // namespace

std::string Sha256Hex(std::span<const std::uint8_t> bytes) {
  BCRYPT_ALG_HANDLE rawAlgorithm = nullptr;
  Check(::BCryptOpenAlgorithmProvider(&rawAlgorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0));
  const toolkit::UniqueHandle<AlgorithmTraits> algorithm(rawAlgorithm);
  BCRYPT_HASH_HANDLE rawHash = nullptr;
  Check(::BCryptCreateHash(algorithm.Get(), &rawHash, nullptr, 0, nullptr, 0, 0));
  const toolkit::UniqueHandle<HashTraits> hash(rawHash);
  // The system takes the bytes as writable memory but only reads them.
  Check(::BCryptHashData(hash.Get(), const_cast<PUCHAR>(bytes.data()),
                         static_cast<ULONG>(bytes.size()), 0));
  std::array<UCHAR, kSha256Size> digest{};
  Check(::BCryptFinishHash(hash.Get(), digest.data(), static_cast<ULONG>(digest.size()), 0));
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const UCHAR byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

}  // namespace install
