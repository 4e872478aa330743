// The note sound bank: every sound the editor makes is one of 36 looping
// tone samples among the program's resources, sounded for a given time.
#pragma once

#include <string>

// The resource name of a pitch code's sample: "SND" and the code in upper-case
// hexadecimal, at least two digits ("SND27" for 39; "SND00" names none).
std::string SampleName(int pitchCode);

class NoteSoundBank {
 public:
  virtual ~NoteSoundBank() = default;
  // Sounds the pitch code for the duration and returns when it has stopped.
  // A rest (code 0) or any code without a sample is silence of that length.
  virtual void PlayNote(int pitchCode, int durationMs) = 0;
};

// Plays the samples through the system's sound service: the sample is
// started looping, the calling thread sleeps for the duration, and all of
// the program's sound is stopped again.
class SystemNoteSoundBank final : public NoteSoundBank {
 public:
  void PlayNote(int pitchCode, int durationMs) override;
};
