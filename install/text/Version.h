// File version numbers and the rule that decides whether a file counts as a
// newer version than an installed one.
#pragma once

#include <cstdint>

namespace install {

// Major, minor, release and build of a file's version resource. A file
// without a readable version resource has all four fields -1.
struct FileVersion {
  std::int32_t majorVersion = -1;
  std::int32_t minorVersion = -1;
  std::int32_t release = -1;
  std::int32_t build = -1;
};

// The version from the two file-version words of a fixed version block:
// major and minor are the high and low halves of the most significant word,
// release and build those of the least significant one.
FileVersion FileVersionFromWords(std::uint32_t mostSignificant, std::uint32_t leastSignificant);

// True when all four fields are -1.
bool HasNoVersion(const FileVersion& version);

// True when the source counts as newer than the target. The fields are
// compared one by one, not in order of rank: any field of the source greater
// than the same field of the target makes it newer (1.1.0.1 is newer than
// 1.2.0.0 because of the build), and so does a target without version.
bool IsNewerVersion(const FileVersion& source, const FileVersion& target);

}  // namespace install
