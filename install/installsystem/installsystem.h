// Version comparison of files and the installing of one file into a folder
// by version and time stamp. Paths are UTF-16.
#pragma once

#include <string>

#include "install/text/Version.h"

namespace install {

// The file version from the root block of the file's version resource; all
// four fields -1 when the file has none or it cannot be read.
FileVersion GetFileVersion(const std::wstring& fileName);

// True when the source file counts as newer than the target file: any field
// of its version greater than the target's, or a target without version.
bool IsNewerVersion(const std::wstring& source, const std::wstring& target);

// Installs source into folder. A missing target file is simply copied, the
// folder created with its parents first when needed. An existing one is
// replaced when the source is newer by version or, failing that, when force
// is set or the source's time stamp is later; otherwise it stays. The copy
// carries the source's time stamp, and the old file stays in place until the
// new one is complete. Throws the errors of CopyFileTo and GetFileDateTime
// (when a time stamp must be compared and the source has none).
void InstallFileToFolder(const std::wstring& source, const std::wstring& folder, bool force);

}  // namespace install
