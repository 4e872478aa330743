#include "install/MainForm/ScriptChecks.h"

#include <string>
#include <vector>

#include "install/MainForm/PassDestination.h"
#include "install/text/Fields.h"
#include "install/text/Paths.h"
#include "install/text/ScriptNames.h"
#include "toolkit/FileError.h"
#include "toolkit/Text.h"

namespace install {

namespace {

[[noreturn]] void Refuse(const std::wstring& shownPath, const std::string& what) {
  throw toolkit::FileError(shownPath + toolkit::Widen(" は壊れています。" + what));
}

void CheckFileNames(const std::wstring& shownPath, const std::vector<std::string>& fileKeys) {
  for (const std::string& key : fileKeys) {
    if (!IsPlainFileName(ExtractFileName(key))) {
      Refuse(shownPath, "[File] のキー「" + key + "」はファイル名として使えません");
    }
  }
}

// Only the entries the start-menu pass reads: those below the number of
// [File] keys that start a file of the package.
void CheckShortcutNames(const SetupScript& script, const std::wstring& shownPath,
                        const std::vector<std::string>& fileKeys) {
  const int count = static_cast<int>(fileKeys.size());
  for (const std::string& record : script.ReadNumbered(kStartMenuItemSection, count, "")) {
    const std::string name = GetField(record, '|', 1);
    if (FindFileKey(fileKeys, GetField(record, '|', 2)).empty()) continue;
    if (!IsPlainShortcutName(name)) {
      Refuse(shownPath,
             "[StartMenuItem] のショートカット名「" + name + "」はファイル名として使えません");
    }
  }
}

}  // namespace

void CheckScriptNames(const SetupScript& script, const std::wstring& shownPath, bool registering) {
  const std::vector<std::string> fileKeys = script.ReadSectionKeys(kFileSection);
  CheckFileNames(shownPath, fileKeys);
  CheckShortcutNames(script, shownPath, fileKeys);
  const std::string project = script.Read(install_keys::kProjectName);
  if (registering && !IsSingleKeyName(project)) {
    Refuse(shownPath, "ProjectName「" + project + "」はレジストリのキー名として使えません");
  }
}

}  // namespace install
