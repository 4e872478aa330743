// A note sound bank that records what it is asked to play, in order, and
// returns at once instead of sounding and waiting.
#pragma once

#include <vector>

#include "melopad/playback/NoteSoundBank.h"

namespace testing_support {

struct PlayedNote {
  int pitchCode;
  int durationMs;
  bool operator==(const PlayedNote&) const = default;
};

class RecordingSoundBank final : public NoteSoundBank {
 public:
  void PlayNote(int pitchCode, int durationMs) override {
    played.push_back({pitchCode, durationMs});
  }
  std::vector<PlayedNote> played;
};

}  // namespace testing_support
