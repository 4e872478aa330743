// The registry keys a removal never deletes, whatever a script or record
// names: they hold other programs' settings, the system's class
// registrations or the list of installed programs itself.
#pragma once

#include <string_view>

namespace install {

// True when deleting the key at `path` (code page 932, parts separated by
// "\", empty parts ignored, compared without regard to ASCII case) would
// take what is shared:
//  - the root itself;
//  - below HKEY_CLASSES_ROOT (`classesRoot`): "CLSID", "Interface",
//    "TypeLib", "AppID", "*", "Directory" and "Folder";
//  - below the other roots: a direct child ("Software"), "Software\Classes",
//    "Software\Microsoft", every key on the way to the uninstall entries
//    ("Software\Microsoft\Windows\CurrentVersion\Uninstall") and that key,
//    and the shared class keys above inside "Software\Classes".
bool IsSharedRegistryKey(bool classesRoot, std::string_view path);

}  // namespace install
