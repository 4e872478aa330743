// What the score list spends on the platform-free part of drawing one row
// (its start tick and its text) for row 0 and for row 100,000 of a melody of
// 100,001 lines. With the start ticks cached the two cost about the same;
// the figures for a fresh sum show what every row would cost without it.
// A benchmark, not a test: run it and read the figures.
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "melopad/model/RowText.h"
#include "melopad/model/ScoreLine.h"

namespace {

constexpr int kLines = 100'001;
constexpr int kLastRow = kLines - 1;
constexpr int kRepetitions = 200'000;
constexpr int kRounds = 5;

// std::clock is the one clock both builds' libraries offer (<chrono> is
// kept out of the Shift-JIS build). It counts milliseconds on Windows, so
// every timed stretch is made long enough for that.
double NowNanoseconds() {
  return static_cast<double>(std::clock()) * 1e9 / CLOCKS_PER_SEC;
}

// Notes and rests of every length in turn, as a long song might hold.
melopad::Melody LongMelody() {
  melopad::Melody melody;
  for (int line = 0; line < kLines; ++line) {
    melody.SetSelectedLengthIndex(line % melopad::kLengthCount);
    const int pitch = melopad::kLowestPitch + line % melopad::kKeyCount;
    melody.InsertScoreLine(line % 7 == 0 ? melody.MakeRestLine() : melody.MakeNoteLine(pitch));
  }
  return melody;
}

// What drawing a row asks of the model: the row's start and its text.
std::size_t RowWork(const melopad::Melody& melody, int row) {
  const std::int64_t start = melody.StartTick(row);
  return melopad::ScoreRowText(melody.Lines()[static_cast<std::size_t>(row)], start,
                               melody.Hyoushi())
      .size();
}

// Nanoseconds per row for `repetitions` rows; `sink` keeps the work from
// being optimised away.
double TimeRows(const melopad::Melody& melody, int row, int repetitions, std::size_t& sink) {
  const double begin = NowNanoseconds();
  for (int i = 0; i < repetitions; ++i) sink += RowWork(melody, row);
  return (NowNanoseconds() - begin) / repetitions;
}

// The start of a row added up afresh from the lines above it.
std::int64_t FreshSum(const melopad::Melody& melody, int row) {
  std::int64_t sum = 0;
  for (int above = 0; above < row; ++above) {
    const auto& line = melody.Lines()[static_cast<std::size_t>(above)];
    sum += melopad::LengthTicks(melopad::ParseScoreLine(line).lengthCode);
  }
  return sum;
}

}  // namespace

int main() {
  melopad::Melody melody = LongMelody();
  std::size_t sink = 0;

  double begin = NowNanoseconds();
  sink += RowWork(melody, kLastRow);
  std::printf("first draw of row %d (sums every line once): %.2f ms\n", kLastRow,
              (NowNanoseconds() - begin) / 1e6);

  // Rounds alternate between the rows so that both see the same machine.
  double first = 0;
  double last = 0;
  for (int round = 0; round < kRounds; ++round) {
    first += TimeRows(melody, 0, kRepetitions, sink) / kRounds;
    last += TimeRows(melody, kLastRow, kRepetitions, sink) / kRounds;
  }
  std::printf("warm, per row: row 0 %.0f ns, row %d %.0f ns (ratio %.2f)\n", first, kLastRow, last,
              last / first);

  melody.SetSelectedIndex(0);
  melody.InsertScoreLine(melody.MakeRestLine());
  begin = NowNanoseconds();
  sink += RowWork(melody, kLastRow);
  std::printf("after an insertion at row 1, first draw of row %d: %.2f ms\n", kLastRow,
              (NowNanoseconds() - begin) / 1e6);

  begin = NowNanoseconds();
  sink += static_cast<std::size_t>(FreshSum(melody, kLastRow));
  std::printf("without the cache every draw of row %d would add up its start afresh: %.2f ms\n",
              kLastRow, (NowNanoseconds() - begin) / 1e6);
  std::printf("(checksum %zu)\n", sink);
  return 0;
}
