#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "install/QvRegAPI/QvRegAPI.h"
#include "install/QvRegAPI/Registry.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

using Bytes = std::vector<BYTE>;

constexpr int kRoots[] = {install::kRootLocalMachine, install::kRootClassesRoot,
                          install::kRootCurrentUser, install::kRootCurrentConfig};
const HKEY kRootKeys[] = {HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
                          HKEY_CURRENT_CONFIG};

// A value as the system stores it, read without the code under test.
struct RawValue {
  bool exists = false;
  DWORD type = REG_NONE;
  Bytes data;
};

bool KeyExists(HKEY root, const std::string& path) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(root, toolkit::Widen(path).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(raw);
  return true;
}

RawValue ReadRaw(HKEY root, const std::string& path, const std::string& name) {
  RawValue value;
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(root, toolkit::Widen(path).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) {
    return value;
  }
  const toolkit::UniqueKey key(raw);
  const std::wstring wide = toolkit::Widen(name);
  DWORD size = 0;
  if (::RegQueryValueExW(key.Get(), wide.c_str(), nullptr, &value.type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return value;
  }
  value.data.resize(size);
  value.exists = ::RegQueryValueExW(key.Get(), wide.c_str(), nullptr, nullptr, value.data.data(),
                                    &size) == ERROR_SUCCESS;
  return value;
}

void WriteRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const Bytes& data) {
  HKEY raw = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(root, toolkit::Widen(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &raw, nullptr),
            ERROR_SUCCESS)
      << path;
  const toolkit::UniqueKey key(raw);
  ASSERT_EQ(::RegSetValueExW(key.Get(), toolkit::Widen(name).c_str(), 0, type, data.data(),
                             static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
}

Bytes Utf16Bytes(std::wstring_view text, bool withZero = true) {
  const auto* begin = reinterpret_cast<const BYTE*>(text.data());
  Bytes bytes(begin, begin + text.size() * sizeof(wchar_t));
  if (withZero) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

Bytes DwordBytes(std::uint32_t number) {
  return {static_cast<BYTE>(number), static_cast<BYTE>(number >> 8),
          static_cast<BYTE>(number >> 16), static_cast<BYTE>(number >> 24)};
}

// Removes this test's key below every root at the end, whatever the test left
// there, and the common parent once no other test's key remains in it.
class ScratchKeys {
 public:
  explicit ScratchKeys(std::string path) : path_(std::move(path)) {}
  ScratchKeys(const ScratchKeys&) = delete;
  ScratchKeys& operator=(const ScratchKeys&) = delete;
  ~ScratchKeys() {
    for (HKEY root : kRootKeys) {
      ::RegDeleteTreeW(root, toolkit::Widen(path_).c_str());
      ::RegDeleteKeyW(root, L"Software\\InstallTests");
    }
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

std::string CurrentTestName() {
  return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

class RegistryTest : public ::testing::Test {
 protected:
  // Software\InstallTests\<test name>, below whichever root a test uses.
  const std::string& Key() const { return scratch_.Path(); }

 private:
  ScratchKeys scratch_{"Software\\InstallTests\\" + CurrentTestName()};
};

TEST_F(RegistryTest, RootNumberPicksTheRootKeyAndAnyOtherNumberMeansCurrentUser) {
  const struct {
    int root;
    HKEY expected;
  } cases[] = {{0, HKEY_LOCAL_MACHINE},  {1, HKEY_CLASSES_ROOT}, {2, HKEY_CURRENT_USER},
               {3, HKEY_CURRENT_CONFIG}, {7, HKEY_CURRENT_USER}, {-1, HKEY_CURRENT_USER}};
  for (const auto& c : cases) {
    const std::string sub = "root" + std::to_string(c.root);
    install::WriteRegInteger(c.root, Key(), sub, "Value", 100 + c.root);
    for (HKEY root : kRootKeys) {
      const RawValue value = ReadRaw(root, Key() + "\\" + sub, "Value");
      if (root == c.expected) {
        EXPECT_TRUE(value.exists) << "root number " << c.root << " wrote to the wrong root";
        EXPECT_EQ(value.data, DwordBytes(static_cast<std::uint32_t>(100 + c.root)));
      } else {
        EXPECT_FALSE(value.exists) << "root number " << c.root << " also wrote elsewhere";
      }
    }
    EXPECT_EQ(install::ReadRegString(c.root, Key(), sub, "Value", "none"), "none");
  }
}

TEST_F(RegistryTest, WritingToAMissingKeyPathCreatesTheWholePath) {
  ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, Key()));
  install::WriteRegString(2, Key() + "\\one\\two", "three\\four", "Name", "text");
  const RawValue value = ReadRaw(HKEY_CURRENT_USER, Key() + "\\one\\two\\three\\four", "Name");
  EXPECT_TRUE(value.exists);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryTest, StringsRoundTripJapaneseTextEmptyTextAndTheDefaultValue) {
  const struct {
    const char* sub;
    const char* name;
    const char* text;
    const wchar_t* stored;
  } cases[] = {
      {"plain", "名前", "日本語のテキスト：ソ表予能", L"日本語のテキスト：ソ表予能"},
      {"plain", "", "既定の値", L"既定の値"},
      {"plain", "Empty", "", L""},
      {"キー\\ソフト", "表示", "C:\\Program Files\\ソフト", L"C:\\Program Files\\ソフト"},
  };
  for (const auto& c : cases) {
    install::WriteRegString(2, Key(), c.sub, c.name, c.text);
    const RawValue value = ReadRaw(HKEY_CURRENT_USER, Key() + "\\" + c.sub, c.name);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << c.name;
    EXPECT_EQ(value.data, Utf16Bytes(c.stored)) << "stored text of '" << c.name << "'";
    EXPECT_EQ(install::ReadRegString(2, Key(), c.sub, c.name, "default"), c.text);
  }
}

TEST_F(RegistryTest, WriteRegIntegerWritesALittleEndianDword) {
  const std::int32_t numbers[] = {0, 1, -1, 0x12345678, INT32_MIN};
  for (std::int32_t number : numbers) {
    install::WriteRegInteger(2, Key(), "n", "Number", number);
    const RawValue value = ReadRaw(HKEY_CURRENT_USER, Key() + "\\n", "Number");
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD)) << number;
    EXPECT_EQ(value.data, DwordBytes(static_cast<std::uint32_t>(number))) << number;
  }
}

TEST_F(RegistryTest, WriteRegBinaryWritesTheFirstBytesOfTheNumber) {
  const struct {
    std::int32_t number;
    int count;
    Bytes expected;
  } cases[] = {{258, 2, {0x02, 0x01}},
               {258, 0, {}},
               {258, 4, {0x02, 0x01, 0x00, 0x00}},
               {0x11223344, 1, {0x44}},
               {-2, 3, {0xFE, 0xFF, 0xFF}}};
  for (const auto& c : cases) {
    install::WriteRegBinary(2, Key(), "b", "Bytes", c.number, c.count);
    const RawValue value = ReadRaw(HKEY_CURRENT_USER, Key() + "\\b", "Bytes");
    EXPECT_TRUE(value.exists) << c.number << " count " << c.count;
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_BINARY)) << c.number << " count " << c.count;
    EXPECT_EQ(value.data, c.expected) << c.number << " count " << c.count;
  }
}

TEST_F(RegistryTest, WriteRegBinaryRefusesAByteCountOutsideZeroToFourAndCreatesNothing) {
  for (int count : {5, 8, -1}) {
    EXPECT_THROW(install::WriteRegBinary(2, Key(), "b", "Bytes", 258, count),
                 install::RegistryError)
        << count;
  }
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key()));
}

TEST_F(RegistryTest, WriteRegBoolWritesTheFlagByteWithItsTopBitCleared) {
  const struct {
    std::uint8_t flag;
    std::uint32_t stored;
  } cases[] = {{1, 1}, {0, 0}, {0x81, 1}, {0x80, 0}, {0xFF, 0x7F}};
  for (const auto& c : cases) {
    install::WriteRegBool(2, Key(), "f", "Flag", c.flag);
    const RawValue value = ReadRaw(HKEY_CURRENT_USER, Key() + "\\f", "Flag");
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD)) << int{c.flag};
    EXPECT_EQ(value.data, DwordBytes(c.stored)) << "flag " << int{c.flag};
  }
}

TEST_F(RegistryTest, AWriteReplacesAValueOfAnotherType) {
  install::WriteRegBinary(2, Key(), "t", "Value", 258, 2);
  install::WriteRegString(2, Key(), "t", "Value", "文字");
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Key() + "\\t", "Value").type, static_cast<DWORD>(REG_SZ));
  install::WriteRegInteger(2, Key(), "t", "Value", 5);
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Key() + "\\t", "Value").data, DwordBytes(5));
}

TEST_F(RegistryTest, ReadRegStringReturnsTheDefaultUnlessTheValueIsAString) {
  WriteRaw(HKEY_CURRENT_USER, Key() + "\\r", "Dword", REG_DWORD, DwordBytes(7));
  WriteRaw(HKEY_CURRENT_USER, Key() + "\\r", "Binary", REG_BINARY, {0x41, 0x00});
  WriteRaw(HKEY_CURRENT_USER, Key() + "\\r", "Multi", REG_MULTI_SZ, Utf16Bytes({L"a\0b\0", 4}));
  const struct {
    const char* sub;
    const char* name;
  } cases[] = {{"r", "Dword"},   {"r", "Binary"}, {"r", "Multi"},
               {"r", "Missing"}, {"r", ""},       {"missing", "Dword"}};
  for (const auto& c : cases) {
    EXPECT_EQ(install::ReadRegString(2, Key(), c.sub, c.name, "既定"), "既定")
        << c.sub << " / " << c.name;
  }
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key() + "\\missing")) << "a read created its key";
}

TEST_F(RegistryTest, ReadRegStringReturnsExpandableTextUnexpandedAndStopsAtTheFirstZero) {
  WriteRaw(HKEY_CURRENT_USER, Key() + "\\r", "Expand", REG_EXPAND_SZ,
           Utf16Bytes(L"%SystemRoot%\\ソフト"));
  WriteRaw(HKEY_CURRENT_USER, Key() + "\\r", "Inner", REG_SZ, Utf16Bytes({L"前\0後", 3}));
  WriteRaw(HKEY_CURRENT_USER, Key() + "\\r", "Unended", REG_SZ, Utf16Bytes(L"abc", false));
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {{"Expand", "%SystemRoot%\\ソフト"}, {"Inner", "前"}, {"Unended", "abc"}};
  for (const auto& c : cases) {
    EXPECT_EQ(install::ReadRegString(2, Key(), "r", c.name, "default"), c.expected) << c.name;
  }
}

TEST_F(RegistryTest, StringReadOutsideReadRegStringRaisesTypeAndReadErrors) {
  WriteRaw(HKEY_CURRENT_USER, Key(), "数値", REG_DWORD, DwordBytes(7));
  install::Registry registry(HKEY_CURRENT_USER, KEY_READ);
  ASSERT_TRUE(registry.OpenKey("\\" + Key(), false)) << "a leading backslash is dropped";
  const struct {
    const char* name;
    const char* message;
  } cases[] = {{"数値", "'数値' のデータ型が不正です"}, {"無い", "'無い' の取得に失敗しました"}};
  for (const auto& c : cases) {
    try {
      registry.ReadString(c.name);
      ADD_FAILURE() << "no error for " << c.name;
    } catch (const install::RegistryError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

TEST_F(RegistryTest, AWriteTheSystemRefusesRaisesTheSettingErrorWithTheValueName) {
  // A key name longer than the registry's 255 characters cannot be created,
  // so the write has no key; a value name longer than 16383 characters is
  // refused by the write itself.
  const std::string longKeyName(300, 'k');
  const std::string longValueName(17000, 'v');
  const struct {
    std::string sub;
    std::string name;
  } cases[] = {{longKeyName, "値"}, {"ok", longValueName}};
  for (const auto& c : cases) {
    try {
      install::WriteRegString(2, Key(), c.sub, c.name, "text");
      ADD_FAILURE() << "no error writing below " << c.sub.size() << "-byte key name";
    } catch (const install::RegistryError& error) {
      EXPECT_EQ(std::string(error.what()), "'" + c.name + "' の設定に失敗しました");
    }
  }
  EXPECT_THROW(install::WriteRegInteger(2, Key(), longKeyName, "n", 1), install::RegistryError);
  EXPECT_THROW(install::WriteRegBinary(2, Key(), longKeyName, "n", 1, 1), install::RegistryError);
  EXPECT_THROW(install::WriteRegBool(2, Key(), longKeyName, "n", 1), install::RegistryError);
}

TEST_F(RegistryTest, DeleteRegKeyRemovesAKeyWithAllNestedSubKeys) {
  for (const std::string prefix : {"", "\\"}) {
    for (const char* leaf : {"a\\a1\\x", "a\\a1\\y", "a\\a2\\z", "b\\b1\\x", "c", "d\\d1"}) {
      WriteRaw(HKEY_CURRENT_USER, Key() + "\\tree\\" + leaf, "Value", REG_DWORD, DwordBytes(1));
    }
    WriteRaw(HKEY_CURRENT_USER, Key() + "\\tree", "Top", REG_SZ, Utf16Bytes(L"top"));
    WriteRaw(HKEY_CURRENT_USER, Key() + "\\treeSibling", "Value", REG_DWORD, DwordBytes(1));

    EXPECT_NO_THROW(install::DeleteRegKey(2, prefix + Key() + "\\tree"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key() + "\\tree")) << "prefix '" << prefix << "'";
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Key() + "\\treeSibling")) << "sibling removed";
  }
}

TEST_F(RegistryTest, DeleteRegKeyIgnoresMissingKeysAndLeavesTheRootAlone) {
  WriteRaw(HKEY_CURRENT_USER, Key(), "Value", REG_DWORD, DwordBytes(1));
  for (const char* path : {"", "\\"}) {
    EXPECT_NO_THROW(install::DeleteRegKey(2, path));
  }
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Key())) << "an empty path deleted below the root";
  EXPECT_NO_THROW(install::DeleteRegKey(2, Key() + "\\missing\\deeper"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Key()));
}

TEST_F(RegistryTest, DeleteRegValueDeletesOneValueAndIgnoresMissingOnes) {
  WriteRaw(HKEY_CURRENT_USER, Key(), "Gone", REG_SZ, Utf16Bytes(L"x"));
  WriteRaw(HKEY_CURRENT_USER, Key(), "Kept", REG_SZ, Utf16Bytes(L"y"));
  WriteRaw(HKEY_CURRENT_USER, Key(), "", REG_SZ, Utf16Bytes(L"default"));

  EXPECT_NO_THROW(install::DeleteRegValue(2, Key(), "Gone"));
  EXPECT_NO_THROW(install::DeleteRegValue(2, Key(), ""));
  EXPECT_NO_THROW(install::DeleteRegValue(2, Key(), "Missing"));
  EXPECT_NO_THROW(install::DeleteRegValue(2, Key() + "\\missing", "Kept"));

  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, Key(), "Gone").exists);
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, Key(), "").exists);
  EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, Key(), "Kept").exists);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key() + "\\missing")) << "a delete created its key";
}

}  // namespace
