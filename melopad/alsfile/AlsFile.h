// The ALS melody file: header with song name and tempo, one length-and-pitch
// byte pair per score line, an end byte. Encoding and decoding work on bytes in
// memory; reading and writing the file itself is up to the caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "melopad/model/Melody.h"

namespace melopad {

// The file's bytes for the melody as it stands, song name included as it is.
std::vector<std::uint8_t> EncodeAlsFile(const Melody& melody);

// The song name a melody is saved with: its own, or kUntitledSongName when it
// has none.
std::string SongNameToSave(const Melody& melody);
// The length of the file a save writes for the melody, with the song name
// SongNameToSave gives.
std::size_t SavedAlsFileSize(const Melody& melody);

struct AlsLoadOutcome {
  // Set when a length byte was not one of the 14 codes; its pair was still
  // inserted, with the length current before it.
  bool LoadIncomplete = false;
};

// Replaces the melody's lines, song name, tempo and current length with the
// file's and clears Modified. A file that ends too early throws
// std::runtime_error with kReadErrorMessage; the lines read until then stay in
// the melody and Modified is left as the insertions set it.
AlsLoadOutcome DecodeAlsFile(std::span<const std::uint8_t> bytes, Melody& melody);

// Shown once after a load that met length bytes it did not understand.
extern const char* const kLoadIncompleteMessage;
extern const char* const kReadErrorMessage;
// The song name of a melody saved without one.
extern const char* const kUntitledSongName;

}  // namespace melopad
