// A hand-written uninstall record registered as an installation registers
// it: the uninstall entry's command names the record, and the entry holds
// the digest of the record's bytes.
#pragma once

#include <windows.h>

#include <string>

#include "install/MainForm/RecordedNames.h"
#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/Sha256.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "tests/wine/support/TestFiles.h"

namespace install_tests {

inline void RegisterRecord(const std::string& project, const std::wstring& record) {
  install::Registry entry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  entry.OpenKey(std::string(install::kUninstallEntriesKey) + "\\" + project, true);
  entry.WriteWideString("UnInstallString",
                        install::GetWindowsDir() + L"\\install.exe \"" + record + L"\"");
  entry.WriteString(install::kRecordDigestValue,
                    install::Sha256Hex(testing_support::ReadBytes(record)));
}

}  // namespace install_tests
