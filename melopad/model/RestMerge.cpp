#include "melopad/model/RestMerge.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

// No rule makes a dotted half, a triplet or a quintuplet, and none takes a
// whole, dotted half, dotted quarter, dotted eighth, triplet or quintuplet.
const std::array<MergeRule, kMergeRuleCount> kMergeRules = {{
    {205, 205, 204},  // 128th + 128th = 64th
    {204, 204, 203},  // 64th + 64th = 32nd
    {203, 203, 201},  // 32nd + 32nd = 16th
    {201, 201, 198},  // 16th + 16th = eighth
    {198, 201, 197},  // eighth + 16th = dotted eighth
    {201, 198, 197},  // 16th + eighth = dotted eighth
    {198, 198, 196},  // eighth + eighth = quarter
    {196, 198, 195},  // quarter + eighth = dotted quarter
    {198, 196, 195},  // eighth + quarter = dotted quarter
    {196, 196, 194},  // quarter + quarter = half
    {194, 194, 192},  // half + half = whole
}};

namespace {

constexpr int kMadeRest = -1;

// A line while the rules run: where it stood in the melody (kMadeRest for a
// rest that a merge made) and its codes.
struct Entry {
  int source;
  ScoreCodes codes;
};

std::vector<Entry> ReadEntries(const Melody& melody) {
  std::vector<Entry> entries;
  entries.reserve(melody.Lines().size());
  for (int i = 0; i < melody.Count(); ++i) {
    entries.push_back({i, ParseScoreLine(melody.Lines()[static_cast<std::size_t>(i)])});
  }
  return entries;
}

bool IsRestOf(const Entry& entry, int lengthCode) {
  return entry.codes.pitchCode == kRestPitch && entry.codes.lengthCode == lengthCode;
}

// The last merge made so far: where its rest stands and its length.
struct LastMerge {
  int index = -1;
  int lengthCode = 0;
};

// One rule in one pass from the first line to the last. A rule's result is
// never one of its own two lengths, so the rest a merge makes can neither
// begin nor end another match of the rule, and the lines before it held no
// match: the next match is the first one after the new rest. Going on from
// there therefore finds the very matches, in the very order, that searching
// again from the first line after every merge would find.
int ApplyRule(std::vector<Entry>& entries, const MergeRule& rule, const MergeListener& listener,
              LastMerge& last) {
  std::vector<Entry> merged;
  merged.reserve(entries.size());
  int merges = 0;
  std::size_t next = 0;
  while (next < entries.size()) {
    if (next + 1 < entries.size() && IsRestOf(entries[next], rule.first) &&
        IsRestOf(entries[next + 1], rule.second)) {
      merged.push_back({kMadeRest, {kRestPitch, rule.result}});
      next += 2;
      ++merges;
      last = {static_cast<int>(merged.size()) - 1, rule.result};
      const std::size_t lineCount = merged.size() + (entries.size() - next);
      if (next < entries.size() && listener.merged) {
        listener.merged(last.index, static_cast<int>(lineCount));
      }
    } else {
      merged.push_back(entries[next]);
      ++next;
    }
  }
  entries.swap(merged);
  return merges;
}

std::string LineOf(const Melody& melody, const Entry& entry) {
  if (entry.source != kMadeRest) return melody.Lines()[static_cast<std::size_t>(entry.source)];
  return ComposeScoreLine(kRestLabel, LengthIndexOf(entry.codes.lengthCode), kRestPitch);
}

// Lines at the start and at the end that the merging left where they were.
struct Unchanged {
  int head = 0;
  int tail = 0;
};

Unchanged UnchangedLines(const std::vector<Entry>& entries, int oldCount) {
  Unchanged kept;
  const int newCount = static_cast<int>(entries.size());
  while (kept.head < newCount && entries[static_cast<std::size_t>(kept.head)].source == kept.head) {
    ++kept.head;
  }
  const int room = std::min(newCount, oldCount) - kept.head;
  while (kept.tail < room && entries[static_cast<std::size_t>(newCount - 1 - kept.tail)].source ==
                                 oldCount - 1 - kept.tail) {
    ++kept.tail;
  }
  return kept;
}

// Only the changed stretch is written back, in one change, so a view
// redraws from its first line on and leaves the lines above alone.
void WriteBack(Melody& melody, const std::vector<Entry>& entries) {
  const int oldCount = melody.Count();
  const int newCount = static_cast<int>(entries.size());
  const Unchanged kept = UnchangedLines(entries, oldCount);
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(newCount - kept.head - kept.tail));
  for (int i = kept.head; i < newCount - kept.tail; ++i) {
    lines.push_back(LineOf(melody, entries[static_cast<std::size_t>(i)]));
  }
  melody.ReplaceLines(kept.head, oldCount - kept.tail, std::move(lines));
}

// A byte as two upper-case hexadecimal digits.
std::string Hex2(int code) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[(code >> 4) & 0xF], kDigits[code & 0xF]};
}

// Whether any rule matches the lines as they are. Rules only ever join rests
// already there, so a melody that no rule matches now is one that merging
// leaves as it was.
bool AnyRuleMatches(const std::vector<Entry>& entries) {
  for (const MergeRule& rule : kMergeRules) {
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
      if (IsRestOf(entries[i], rule.first) && IsRestOf(entries[i + 1], rule.second)) return true;
    }
  }
  return false;
}

}  // namespace

// A melody that merging will change counts as Modified before the first rule
// starts: the listener hands control to the window's message loop, where
// closing the main window must already ask to save.
int MergeRests(Melody& melody, const MergeListener& listener) {
  std::vector<Entry> entries = ReadEntries(melody);
  if (AnyRuleMatches(entries)) melody.SetModified(true);
  LastMerge last;
  int merges = 0;
  for (const MergeRule& rule : kMergeRules) {
    if (listener.ruleStarted) listener.ruleStarted(rule);
    merges += ApplyRule(entries, rule, listener, last);
    if (listener.ruleFinished) listener.ruleFinished(rule);
  }
  if (merges == 0) return 0;
  const Melody::ChangeBatch batch(melody);
  WriteBack(melody, entries);
  melody.SetSelectedIndex(last.index);
  melody.SetSelectedLengthIndex(LengthIndexOf(last.lengthCode));
  return merges;
}

std::string MergeRuleCaption(const MergeRule& rule) {
  return Hex2(rule.first) + ":" + Hex2(rule.second) + "の組を" + Hex2(rule.result) + "に変換中";
}

}  // namespace melopad
