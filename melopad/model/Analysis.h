// The four facts the analysis window reports about a melody: the name it
// shows, how many bytes its ALS melody file takes, how many lines it has and
// how long the player takes to play it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "melopad/model/Melody.h"

namespace melopad {

struct MelodyAnalysis {
  // The song name, or "名称未設定" for a melody without one.
  std::string songName;
  std::size_t sizeBytes = 0;
  int lineCount = 0;
  std::int64_t playingTimeMs = 0;
};

MelodyAnalysis AnalyzeMelody(const Melody& melody);

// The length of the ALS melody file the writer makes for the melody as it
// stands, song name included as it is.
std::size_t AlsFileSize(const Melody& melody);

// How long the player holds all the lines at the melody's tempo.
std::int64_t PlayingTimeMs(const Melody& melody);

// Shown for a melody that has no song name.
extern const char* const kUnnamedSongName;

}  // namespace melopad
