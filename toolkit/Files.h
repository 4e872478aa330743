// Whole-file reading and writing for the programs' documents, reporting
// failures with the messages the user knows from the file commands.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace toolkit {

// Throws std::runtime_error "ファイル <path> は開けません" when the file cannot
// be opened, and "ストリームからの読み込みエラー" when reading fails.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Writes the bytes to a new file beside the target and only then puts it in
// the target's place, so a failure at any point leaves the old file as it
// was. Throws std::runtime_error "ファイル <path> を作成できません" when the file
// cannot be created or replaced, and "ストリームへの書き込みエラー" when writing
// fails.
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace toolkit
