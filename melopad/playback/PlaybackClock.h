// The clock that notes are timed by: where it stands now, and a wait until a
// moment. Tests replace it with a clock that moves only when told, so they
// neither wait nor depend on how fast the machine is.
#pragma once

class PlaybackClock {
 public:
  virtual ~PlaybackClock() = default;
  // Milliseconds since a fixed moment of the clock's own choosing.
  virtual double NowMs() = 0;
  // Returns once the clock has reached the moment, at once when it already has.
  virtual void WaitUntil(double momentMs) = 0;
};

// The system's high-resolution counter, waited on by sleeping.
class SystemPlaybackClock final : public PlaybackClock {
 public:
  SystemPlaybackClock();
  double NowMs() override;
  void WaitUntil(double momentMs) override;

 private:
  double ticksPerMs_;
};
