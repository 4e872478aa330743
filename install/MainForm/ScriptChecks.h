// The names of a setup script or uninstall record checked before anything
// is copied or deleted: every [File] key's name part and every shortcut
// name the start-menu pass reads must stay one name in its folder, and the
// project name one key below the uninstall entries.
#pragma once

#include <string>

#include "install/script/SetupScript.h"

namespace install {

// Throws toolkit::FileError "<shownPath> は壊れています。..." naming the
// first name that is no plain name. The project name is checked when
// `registering` (an installation that leaves an uninstall entry, or a
// removal, which needs one).
void CheckScriptNames(const SetupScript& script, const std::wstring& shownPath, bool registering);

}  // namespace install
