// Any setup script record with any separator: its fields, read one by one,
// join with the separator into the record again, no field holds a separator
// that separates, and a number field is read or gives its default.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "install/text/DbcsText.h"
#include "install/text/Fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const char separator = static_cast<char>(data[0]);
  const int wanted = static_cast<std::int8_t>(data[1]);
  const std::string_view record(reinterpret_cast<const char*>(data) + 2, size - 2);

  std::string joined = install::GetField(record, separator, 1);
  int fields = 1;
  for (std::size_t at = install::FindSeparator(record, separator); at != std::string_view::npos;
       at = install::FindSeparator(record, separator, at + 1)) {
    ++fields;
    const std::string field = install::GetField(record, separator, fields);
    // A separator that is itself a lead byte takes the next byte along, so
    // the field after it starts inside a character: only a real separator
    // is looked for again inside a field.
    if (!install::IsLeadByte(separator) &&
        install::FindSeparator(field, separator) != std::string_view::npos) {
      __builtin_trap();
    }
    joined += separator;
    joined += field;
  }
  if (joined != record) __builtin_trap();
  if (!install::GetField(record, separator, fields + 1).empty()) __builtin_trap();
  if (!install::GetField(record, separator, 0).empty()) __builtin_trap();

  const std::string field = install::GetField(record, separator, wanted);
  const int number = install::GetIntField(record, separator, -7, wanted);
  if (field.empty() && number != -7) __builtin_trap();
  return 0;
}
