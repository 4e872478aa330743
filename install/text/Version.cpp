#include "install/text/Version.h"

namespace install {

namespace {

std::int32_t HighHalf(std::uint32_t word) {
  return static_cast<std::int32_t>(word >> 16);
}

std::int32_t LowHalf(std::uint32_t word) {
  return static_cast<std::int32_t>(word & 0xFFFFu);
}

}  // namespace

FileVersion FileVersionFromWords(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
  return {HighHalf(mostSignificant), LowHalf(mostSignificant), HighHalf(leastSignificant),
          LowHalf(leastSignificant)};
}

bool HasNoVersion(const FileVersion& version) {
  return version.majorVersion == -1 && version.minorVersion == -1 && version.release == -1 &&
         version.build == -1;
}

bool IsNewerVersion(const FileVersion& source, const FileVersion& target) {
  return source.majorVersion > target.majorVersion || source.minorVersion > target.minorVersion ||
         source.release > target.release || source.build > target.build || HasNoVersion(target);
}

}  // namespace install
