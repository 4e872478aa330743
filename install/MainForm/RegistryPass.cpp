// The registry pass: the values of [Registry] written, or, when an
// installation is removed, deleted again.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "install/MainForm/InstallPasses.h"
#include "install/MainForm/Mainform.h"
#include "install/MainForm/PassProgress.h"
#include "install/QvRegAPI/QvRegAPI.h"
#include "install/QvRegAPI/Registry.h"
#include "install/script/InstallVariableExpansion.h"
#include "install/script/SetupScript.h"
#include "install/text/DbcsText.h"
#include "install/text/Fields.h"
#include "install/text/IntegerText.h"

namespace install {

namespace {

enum RegistryType { kString = 0, kNumber = 1, kBinary = 2, kFlag = 3 };

struct RegistryEntry {
  std::string data;
  int root = kRootCurrentUser;
  int type = kString;
  int size = 4;
  // The key's path in two parts (see WriteRegString) and the value's name.
  std::string key;
  std::string subKey;
  std::string name;
};

RegistryEntry ReadRegistryEntry(const SetupScript& script, int index) {
  const std::string record =
      script.ReadRecord(kRegistrySection, std::to_string(index), kMissingRegistryRecord);
  RegistryEntry entry;
  entry.data = GetField(record, '|', 1);
  entry.root = GetIntField(record, '|', kRootCurrentUser, 3);
  entry.type = GetIntField(record, '|', kString, 4);
  entry.size = GetIntField(record, '|', 4, 5);
  const SplitText value = SplitAtLast(GetField(record, '|', 2), '\\');
  const SplitText key = SplitAtLast(value.head, '\\');
  entry.key = key.head;
  entry.subKey = key.tail;
  entry.name = value.tail;
  return entry;
}

std::string KeyPath(const RegistryEntry& entry) {
  return entry.key.empty() ? entry.subKey : entry.key + "\\" + entry.subKey;
}

// The data of a number value; text that is no number stops the pass.
std::int32_t NumberData(const RegistryEntry& entry) {
  // Two different defaults tell a missing number from one that equals them.
  const int number = ParseInteger(entry.data, 0);
  if (number == 0 && ParseInteger(entry.data, 1) == 1) {
    throw RegistryError("'" + entry.name + "' の値 '" + entry.data + "' は数値ではありません");
  }
  return number;
}

void WriteEntry(const RegistryEntry& entry, const std::wstring& installDir) {
  switch (entry.type) {
    case kString:
      WriteRegString(entry.root, entry.key, entry.subKey, entry.name,
                     ExpandInstallVariables(entry.data, installDir));
      break;
    case kNumber:
      WriteRegInteger(entry.root, entry.key, entry.subKey, entry.name, NumberData(entry));
      break;
    case kBinary:
      WriteRegBinary(entry.root, entry.key, entry.subKey, entry.name, NumberData(entry),
                     entry.size);
      break;
    case kFlag:
      WriteRegBool(entry.root, entry.key, entry.subKey, entry.name,
                   static_cast<std::uint8_t>(NumberData(entry) & 0xFF));
      break;
    default:
      break;
  }
}

}  // namespace

void InstallPasses::ProcessRegistryEntries(TfrmMainForm& form, bool removing) {
  const SetupScript script(form.ScriptPath);
  const int count = static_cast<int>(script.ReadSectionKeys(kRegistrySection).size());
  for (int i = 0; i < count; ++i) {
    const RegistryEntry entry = ReadRegistryEntry(script, i);
    if (removing) {
      DeleteRegValue(entry.root, KeyPath(entry), entry.name);
    } else {
      WriteEntry(entry, form.InstallDir);
    }
    AdvanceProgress(form);
  }
}

}  // namespace install
