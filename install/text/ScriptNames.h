// The names a setup script gives that become one part of a path or of a
// registry key: a file's name, a shortcut's name, the uninstall entry's key
// name. Each must stay a single name; one that climbs out of its folder or
// key ("..", "a/../b") would let a script or a changed record reach what its
// installation never made.
#pragma once

#include <string_view>

namespace install {

// The name part of a [File] key: not empty, "." or "..", and without "/"
// (the system takes it for "\").
bool IsPlainFileName(std::string_view name);

// A shortcut's name, the link file's name less ".lnk": a plain file name
// without "\" or ":" either.
bool IsPlainShortcutName(std::string_view name);

// The key name of the uninstall entry: not empty, "." or "..", and without
// "\" (a double-byte character's second byte does not count).
bool IsSingleKeyName(std::string_view name);

}  // namespace install
