// The work of the install step and of removal: the file, start-menu and
// registry passes, the uninstall registration and the uninstall sequence.
// The wizard calls them at its steps and shows what they report on its
// progress page; tests put recording passes in their place.
#pragma once

#include <string>

class TfrmMainForm;

namespace install {

class InstallPasses {
 public:
  virtual ~InstallPasses() = default;

  // Copies (or, removing, deletes) the files of the script's [File] entries.
  virtual void ProcessFileEntries(TfrmMainForm& form, bool removing);
  // Makes (or removes) the shortcuts of [StartMenuItem] in the group.
  virtual void ProcessStartMenuItems(TfrmMainForm& form, bool removing, const std::string& group);
  // Writes (or removes) the values of [Registry].
  virtual void ProcessRegistryEntries(TfrmMainForm& form, bool removing);
  // Leaves the uninstall record, the installer's copy and the Windows
  // uninstall entry. Throws toolkit::FileError when the install folder or a
  // name in it cannot be written into the record exactly, and when the
  // program was not started as "Install.exe".
  virtual void RegisterUninstall(TfrmMainForm& form);
  // Removes an installation, started from its uninstall record. Throws
  // toolkit::FileError, having removed nothing, when the record's install
  // folder is no place that may be deleted.
  virtual void Uninstall(TfrmMainForm& form);
};

}  // namespace install
