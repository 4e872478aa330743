// Fields of a setup script record: a value whose fields are separated by a
// separator byte ("|" in the script), found the double-byte aware way so that
// "ポ" (83 7C) never splits a field.
#pragma once

#include <string>
#include <string_view>

namespace install {

// Field n, counted from 1: the text between the (n-1)-th and the n-th
// separator; the last field runs to the end of the record. A field past the
// last separator, a field the record does not have and any n below 1 give
// the empty string.
std::string GetField(std::string_view record, char separator, int n);

// Field n read as a number the way ParseInteger reads one (decimal, or
// hexadecimal after "$", "0x" or "0X"); an empty field, text that is not such
// a number and a number out of the 32-bit range give defaultValue.
int GetIntField(std::string_view record, char separator, int defaultValue, int n);

}  // namespace install
