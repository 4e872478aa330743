// Version comparison of files and the installing of one file into a folder
// by version and time stamp. Paths are code page 932.
#pragma once

#include <string_view>

#include "install/text/Version.h"

namespace install {

// The file version from the root block of the file's version resource; all
// four fields -1 when the file has none or it cannot be read.
FileVersion GetFileVersion(std::string_view fileName);

// True when the source file counts as newer than the target file: any field
// of its version greater than the target's, or a target without version.
bool IsNewerVersion(std::string_view source, std::string_view target);

// Installs source into folder. A missing target file is simply copied, the
// folder created with its parents first when needed. An existing one is
// replaced when the source is newer by version or, failing that, when force
// is set or the source's time stamp is later; otherwise it stays. The copy
// carries the source's time stamp. Throws the errors of CopyFileTo, and
// std::runtime_error when a time stamp must be compared and the source has
// none.
void InstallFileToFolder(std::string_view source, std::string_view folder, bool force);

}  // namespace install
