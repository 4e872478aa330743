// alsconv, the command-line converter between the handset's ALS melody
// file and MIDI, RTTTL and WAVE files. Everything but the reading of the
// command line itself, which main.cpp does the platform's way.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace alsconv {

// One command-line argument, both as a path (exactly as given) and as a
// code page 932 text, for options and the song name.
struct Argument {
  std::filesystem::path path;
  std::string text;
  // False when the argument has characters code page 932 lacks, so `text`
  // is not what was typed.
  bool textExact = true;
};

inline constexpr int kDone = 0;
inline constexpr int kFileFailed = 1;
inline constexpr int kWrongUsage = 2;

// alsconv INPUT OUTPUT [--track N] [--name TEXT]: reads INPUT, writes OUTPUT
// in place of what was there, in one step, and tells on `err` what fitting
// changed. Returns kDone, kFileFailed with a message naming the file and why,
// or kWrongUsage with the usage text.
int Run(const std::vector<Argument>& arguments, std::ostream& out, std::ostream& err);

// The path as a text for messages (code page 932; characters it lacks as
// their nearest substitute).
std::string PathText(const std::filesystem::path& path);

}  // namespace alsconv
