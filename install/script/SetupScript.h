// The setup script "uninst.uis", an INI file of code page 932 text, read and
// written through the system's profile calls (the ANSI ones, which keep the
// script's bytes as they are) at every access: nothing is cached, so a value
// written is what the next read finds. Section and key names match without
// regard to case, as the profile calls match them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "install/script/ScriptKeys.h"

namespace install {

class SetupScript {
 public:
  // The script at path (made a full path, as the profile calls would put a
  // bare file name into the Windows folder). Throws toolkit::FileError when
  // the system's ANSI code page, which the profile calls take the path in,
  // cannot name the path exactly: the calls would reach another file.
  explicit SetupScript(const std::wstring& path);

  const std::wstring& Path() const noexcept { return path_; }

  // At most 2047 bytes of the value, cut where the profile call cuts it;
  // defaultValue when the key or the file is missing.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue = "") const;
  // The value read as ParseInteger reads it; defaultValue when it is missing,
  // empty or no number.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  // The value read as a number with default 0 or 1; any but 0 is true.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  // The key names of a section in file order, as many as 16384 bytes hold
  // with a zero byte after each name; none for a missing section.
  std::vector<std::string> ReadSectionKeys(const std::string& section) const;
  // The values of the section's keys, in file order.
  std::vector<std::string> ReadSectionValues(const std::string& section) const;
  // A record of an entry list (fields separated by "|", see GetField); for a
  // missing key the list's missing record, kMissingFileRecord and the others.
  std::string ReadRecord(const std::string& section, const std::string& key,
                         const std::string& missingRecord) const;
  // The values of a numbered section's entries "0" to count - 1, read only
  // as far as the section has keys, so a huge count costs nothing: the keys
  // present below count in their order, then missingRecord once when some
  // number below count has no key (every missing entry reads the same).
  std::vector<std::string> ReadNumbered(const std::string& section, int count,
                                        const std::string& missingRecord) const;

  // Writes throw toolkit::FileError "<path> に書き込めません" when the profile
  // call refuses.
  void WriteString(const std::string& section, const std::string& key,
                   const std::string& value) const;
  // Removes the section with all its keys, if there is one.
  void EraseSection(const std::string& section) const;
  // Makes every write so far reach the disk, before the file is copied.
  void Flush() const;
  // Written in decimal.
  void WriteInteger(const std::string& section, const std::string& key, int value) const;
  // Written as "1" or "0".
  void WriteBool(const std::string& section, const std::string& key, bool value) const;

  // The same for the keys of ScriptKeys.h, each with its own default.
  std::string Read(const StringKey& key) const;
  int Read(const IntegerKey& key) const;
  bool Read(const BoolKey& key) const;
  void Write(const StringKey& key, const std::string& value) const;
  void Write(const IntegerKey& key, int value) const;
  void Write(const BoolKey& key, bool value) const;

 private:
  std::wstring path_;
  // The path as the ANSI profile calls take it.
  std::string profilePath_;
};

}  // namespace install
