#include "install/MainForm/FolderCheck.h"

#include <optional>
#include <string>

#include "install/MainForm/RecordedNames.h"
#include "install/QvSystemAPI/DeletablePaths.h"
#include "install/text/Paths.h"
#include "toolkit/FileError.h"

namespace install {

namespace {

[[noreturn]] void Refuse(const std::wstring& folder, const std::string& what) {
  throw toolkit::FileError("インストール先フォルダ「%s」は" + what, folder);
}

}  // namespace

void CheckInstallFolder(const std::wstring& typed) {
  const std::wstring folder = ExcludeTrailingBackslash(typed);
  if (!IsFullyQualified(IncludeTrailingBackslash(folder))) {
    Refuse(typed,
           "ドライブから始まるフォルダではありません。「C:\\Program Files\\…」のように"
           "ドライブから指定してください");
  }
  if (!DeletablePath(folder)) {
    Refuse(typed, "ドライブのルートです。その下のフォルダを指定してください");
  }
  const std::optional<std::string> text = RecordText(folder);
  if (!text) {
    Refuse(typed,
           "シフト JIS で表せない文字を含んでいます。シフト JIS で表せる名前のフォルダを"
           "指定してください");
  }
  if (text->size() > kLongestInstallFolder) {
    Refuse(typed, "長すぎます。半角 " + std::to_string(kLongestInstallFolder) +
                      " 文字(全角はその半分)以内のフォルダを指定してください");
  }
  if (!RemovableFolder(folder)) {
    Refuse(typed, "システムのフォルダです。その下にアプリケーション用のフォルダを指定してください");
  }
}

}  // namespace install
