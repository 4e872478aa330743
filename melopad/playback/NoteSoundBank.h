// The note sound bank: every sound the editor makes is one of 36 looping
// tone samples among the program's resources, started, and stopped again
// on the bank's clock.
#pragma once

#include <string>

#include "melopad/playback/PlaybackClock.h"

// The resource name of a pitch code's sample: "SND" and the code in upper-case
// hexadecimal, at least two digits ("SND27" for 39; "SND00" names none).
std::string SampleName(int pitchCode);

class NoteSoundBank {
 public:
  virtual ~NoteSoundBank() = default;
  // Starts the pitch code's sample, looping until the sound is stopped, and
  // returns at once. A rest (code 0) or any code without a sample is silence.
  virtual void StartNote(int pitchCode) = 0;
  // Stops all of the program's sound.
  virtual void StopSound() = 0;
  // The clock the notes are timed by.
  virtual PlaybackClock& Clock() = 0;

  // Sounds the pitch code for the duration and returns when it has stopped.
  void PlayNote(int pitchCode, int durationMs);
};

// Plays the samples through the system's sound service on the system's clock.
class SystemNoteSoundBank final : public NoteSoundBank {
 public:
  void StartNote(int pitchCode) override;
  void StopSound() override;
  PlaybackClock& Clock() override { return clock_; }

  // Starts the sound service in the background and returns at once, so that
  // the first note played later does not wait for it.
  void Prepare();

 private:
  SystemPlaybackClock clock_;
};
