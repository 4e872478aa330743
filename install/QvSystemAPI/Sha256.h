// The SHA-256 digest of bytes, by the system's cryptography (CNG), written
// as 64 lower-case hexadecimal digits: what an installation notes of its
// uninstall record, so that a removal can tell a record changed since.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace install {

// Throws std::runtime_error when the system cannot compute the digest.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);

}  // namespace install
