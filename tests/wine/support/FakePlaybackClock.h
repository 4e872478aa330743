// A playback clock that stands still until a wait or the test moves it on,
// and records every moment waited for.
#pragma once

#include <algorithm>
#include <vector>

#include "melopad/playback/PlaybackClock.h"

namespace testing_support {

class FakePlaybackClock final : public PlaybackClock {
 public:
  double NowMs() override { return now; }
  void WaitUntil(double momentMs) override {
    waits.push_back(momentMs);
    now = std::max(now, momentMs);
  }

  double now = 0;
  std::vector<double> waits;
};

}  // namespace testing_support
