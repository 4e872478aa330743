// Any bytes opened as a melody file: decoding never fails but by its read
// error, and what it read survives a save and a new load unchanged: the
// same lines, song name and tempo.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/model/Melody.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  melopad::Melody loaded;
  try {
    melopad::DecodeAlsFile(std::span(data, size), loaded);
  } catch (const std::runtime_error&) {
    // The read error of a short file: the lines read so far stay, as in the
    // editor, and are saved like any others.
  }
  const std::vector<std::uint8_t> saved = melopad::EncodeAlsFile(loaded);
  melopad::Melody reloaded;
  melopad::DecodeAlsFile(saved, reloaded);
  if (reloaded.Lines() != loaded.Lines() || reloaded.SongName() != loaded.SongName() ||
      reloaded.Tempo() != loaded.Tempo()) {
    __builtin_trap();
  }
  if (melopad::EncodeAlsFile(reloaded) != saved) __builtin_trap();
  // The analysis window's figure: the file a save writes, untitled name included.
  if (melopad::SavedAlsFileSize(loaded) < saved.size()) __builtin_trap();
  return 0;
}
