#include "install/MainForm/RecordCheck.h"

#include <windows.h>

#include <optional>

#include "install/MainForm/RecordedNames.h"
#include "install/MainForm/ScriptChecks.h"
#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/DeletablePaths.h"
#include "install/QvSystemAPI/ProtectedFolders.h"
#include "install/QvSystemAPI/Sha256.h"
#include "install/script/SetupScript.h"
#include "install/text/Paths.h"
#include "install/text/ScriptNames.h"
#include "toolkit/FileError.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

namespace install {

namespace {

constexpr char kStopped[] = "アンインストール作業を中止します";

[[noreturn]] void RefuseChanged(const std::wstring& recordPath) {
  throw toolkit::FileError(std::string("アンインストール情報 %s は壊れているか、インストール後に"
                                       "変更されています。") +
                               kStopped,
                           recordPath);
}

// A text value of the entry, empty when it is missing or of another type.
std::wstring EntryText(const Registry& entry, const char* name) {
  if (!entry.ValueExists(name)) return {};
  try {
    return entry.ReadWideString(name);
  } catch (const RegistryError&) {
    return {};
  }
}

// The record the entry's command gives the installer: the text between its
// first and last double quotation mark.
std::wstring CommandRecord(const std::wstring& command) {
  const std::size_t open = command.find(L'"');
  const std::size_t close = command.rfind(L'"');
  if (open == std::wstring::npos || close <= open) return {};
  return command.substr(open + 1, close - open - 1);
}

bool NameTheSamePlace(const std::wstring& first, const std::wstring& second) {
  const std::optional<std::wstring> a = NormalPath(first);
  const std::optional<std::wstring> b = NormalPath(second);
  return a && b && SamePath(*a, *b);
}

void CheckEntry(const SetupScript& script, const std::wstring& recordPath,
                std::span<const std::uint8_t> bytes) {
  const std::string project = script.Read(install_keys::kProjectName);
  Registry entry(HKEY_LOCAL_MACHINE, KEY_READ);
  if (!IsSingleKeyName(project) ||
      !entry.OpenKey(std::string(kUninstallEntriesKey) + "\\" + project, false)) {
    RefuseChanged(recordPath);
  }
  const std::wstring digest = toolkit::Widen(Sha256Hex(bytes));
  if (!NameTheSamePlace(CommandRecord(EntryText(entry, "UnInstallString")), recordPath) ||
      !SamePath(EntryText(entry, kRecordDigestValue), digest)) {
    RefuseChanged(recordPath);
  }
}

void CheckFolder(const SetupScript& script, const std::wstring& recordPath) {
  const std::string text = script.Read(uninstall_keys::kInstalledFolder);
  const std::wstring folder = ExcludeTrailingBackslash(toolkit::PathFromText(text));
  if (!RemovableFolder(folder)) {
    throw toolkit::FileError(
        std::string("アンインストール情報のインストール先フォルダ「%s」は削除できる場所ではありま"
                    "せん。") +
            kStopped,
        folder);
  }
  if (!NameTheSamePlace(folder, ExtractFileDir(recordPath))) {
    throw toolkit::FileError(std::string("アンインストール情報 %s はインストール先フォルダ「") +
                                 text + "」にありません。" + kStopped,
                             recordPath);
  }
}

std::wstring TemporaryFileName() {
  wchar_t folder[MAX_PATH + 1] = {};
  wchar_t name[MAX_PATH] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH || ::GetTempFileNameW(folder, L"uis", 0, name) == 0) {
    throw toolkit::FileError::CannotCreate(std::wstring(folder) + L"uis*.tmp");
  }
  return name;
}

}  // namespace

RecordCopy::RecordCopy(std::span<const std::uint8_t> bytes) : path_(TemporaryFileName()) {
  try {
    toolkit::WriteWholeFile(path_, bytes);
  } catch (...) {
    ::DeleteFileW(path_.c_str());
    throw;
  }
}

RecordCopy::~RecordCopy() {
  ::DeleteFileW(path_.c_str());
}

void CheckRecord(const RecordCopy& copy, const std::wstring& recordPath,
                 std::span<const std::uint8_t> bytes) {
  const SetupScript script(copy.Path());
  CheckEntry(script, recordPath, bytes);
  CheckFolder(script, recordPath);
  CheckScriptNames(script, recordPath, true);
}

}  // namespace install
