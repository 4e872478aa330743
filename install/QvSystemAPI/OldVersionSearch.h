// The search for an already installed copy of a file: the Windows folder's
// tree first, then the Program Files folder's, depth first in the order the
// system lists each folder. Paths are UTF-16.
#pragma once

#include <functional>
#include <string>

#include "install/QvSystemAPI/SystemFolders.h"

namespace install {

// Lets the window handle its pending messages; called once for every entry
// the search examines so the window stays responsive.
using MessagePump = std::function<void()>;

// The application's message processing (toolkit::Application).
void ProcessApplicationMessages();

// The folder (without trailing backslash) holding a file named `fileName`
// below `root`, or empty. Entries are kept when they are folders other than
// "DLLCACHE" and "TEMP", or when their extension is exactly the extension of
// `fileName` (letter case counts); they are kept upper-cased and compared so,
// and sub-folders are entered by their upper-cased names, which therefore
// appear in the result below `root`. Sub-folders are searched where they are
// listed, so a copy deeper down can win over a later-listed one. Links to
// folders (junctions, symbolic links) are never entered, and an empty root is
// not searched at all: it would stand for the current drive's root.
std::wstring FindFileFolder(const std::wstring& root, const std::wstring& fileName,
                            const MessagePump& processMessages = ProcessApplicationMessages);

// The folder of the first copy found below the Windows folder, else below
// the Program Files folder, else empty.
std::wstring SearchFileFolder(const std::wstring& fileName,
                              PlatformFamily family = RunningPlatformFamily(),
                              const MessagePump& processMessages = ProcessApplicationMessages);

}  // namespace install
