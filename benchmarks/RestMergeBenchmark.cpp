// How long rest merging takes on long melodies: 10,000 and 100,000 lines,
// once all 128th rests (every rule runs, most lines merge, the melody
// shrinks to whole rests) and once notes each followed by two eighth rests
// (a merge after every note). A benchmark, not a test: run it and read the
// figures.
#include <cstdio>
#include <ctime>

#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "melopad/model/RestMerge.h"

namespace {

constexpr int kSizes[] = {10'000, 100'000};
constexpr int kHundredTwentyEighth = 13;
constexpr int kEighth = 6;

// std::clock is the one clock both builds' libraries offer (<chrono> is
// kept out of the Shift-JIS build).
double NowMilliseconds() {
  return static_cast<double>(std::clock()) * 1e3 / CLOCKS_PER_SEC;
}

melopad::Melody AllShortestRests(int lines) {
  melopad::Melody melody;
  melody.SetSelectedLengthIndex(kHundredTwentyEighth);
  for (int i = 0; i < lines; ++i) melody.InsertScoreLine(melody.MakeRestLine());
  return melody;
}

melopad::Melody NotesWithTwoEighthRests(int lines) {
  melopad::Melody melody;
  melody.SetSelectedLengthIndex(kEighth);
  for (int i = 0; i < lines; ++i) {
    const bool note = i % 3 == 0;
    melody.InsertScoreLine(note
                               ? melody.MakeNoteLine(melopad::kLowestPitch + i % melopad::kKeyCount)
                               : melody.MakeRestLine());
  }
  return melody;
}

void TimeMerge(const char* shape, melopad::Melody melody) {
  const int before = melody.Count();
  // Counted as the window would move its progress bar.
  long reports = 0;
  melopad::MergeListener listener;
  listener.merged = [&reports](int, int) { ++reports; };
  const double begin = NowMilliseconds();
  const int merges = melopad::MergeRests(melody, listener);
  const double elapsed = NowMilliseconds() - begin;
  std::printf("%-28s %7d lines -> %6d lines, %6d merges, %6ld progress reports: %8.1f ms\n", shape,
              before, melody.Count(), merges, reports, elapsed);
}

}  // namespace

int main() {
  for (const int lines : kSizes) {
    TimeMerge("all 128th rests", AllShortestRests(lines));
    TimeMerge("note, eighth rest, eighth rest", NotesWithTwoEighthRests(lines));
  }
  return 0;
}
