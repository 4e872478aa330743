// A note sound bank that records what it is asked to play, in order, on a
// clock that moves only by the program's waits (or the test's hand), so
// nothing waits in real time.
#pragma once

#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "melopad/playback/NoteSoundBank.h"
#include "tests/wine/support/FakePlaybackClock.h"

namespace testing_support {

struct PlayedNote {
  int pitchCode;
  int durationMs;  // from its start to the stop, on the clock
  bool operator==(const PlayedNote&) const = default;
};

class RecordingSoundBank : public NoteSoundBank {
 public:
  // A new sound ends the one before it, as with the system's sound service.
  void StartNote(int pitchCode) override {
    StopSound();
    sounding_ = Sounding{pitchCode, clock.now};
    ++started;
    if (duringNote) duringNote(started);
  }
  void StopSound() override {
    if (!sounding_) return;
    played.push_back(
        {sounding_->pitchCode, static_cast<int>(std::lround(clock.now - sounding_->since))});
    stoppedAt.push_back(clock.now);
    sounding_.reset();
  }
  PlaybackClock& Clock() override { return clock; }

  FakePlaybackClock clock;
  std::vector<PlayedNote> played;
  std::vector<double> stoppedAt;  // the clock's time at every note's stop
  size_t started = 0;
  // Runs as every note starts, with its number counted from 1.
  std::function<void(size_t noteNumber)> duringNote;

 private:
  struct Sounding {
    int pitchCode;
    double since;
  };
  std::optional<Sounding> sounding_;
};

}  // namespace testing_support
