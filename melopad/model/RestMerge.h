// Rest merging: two adjacent rests whose lengths add up to a longer standard
// length become one rest of that length. The melody keeps its timing and its
// file gets two bytes shorter per merge.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "melopad/model/Melody.h"

namespace melopad {

// Two adjacent rests of the lengths first and second (length codes) become
// one rest of the length result; the ticks add up.
struct MergeRule {
  int first;
  int second;
  int result;
};

inline constexpr int kMergeRuleCount = 11;
extern const std::array<MergeRule, kMergeRuleCount> kMergeRules;

// What merging reports while it runs, so a window can show how far it is.
struct MergeListener {
  std::function<void(const MergeRule& rule)> ruleStarted;
  // After a merge with lines left behind the new rest: the new rest's index
  // and the number of lines the melody has at that moment.
  std::function<void(int index, int lineCount)> merged;
  std::function<void(const MergeRule& rule)> ruleFinished;
};

// Applies the rules in table order, each to every match from the first line
// on; returns how many merges were made. The listener hears of every rule and
// merge as it is worked out; the melody's lines are changed once, after the
// last rule, and its observer hears of it once. A melody that merging changes is Modified from
// before the first rule starts; the last rest made is selected and its length is the current
// length. A melody with nothing to merge is left as it was.
int MergeRests(Melody& melody, const MergeListener& listener = {});

// "CD:CDの組をCCに変換中": the rule's three codes in hexadecimal.
std::string MergeRuleCaption(const MergeRule& rule);

}  // namespace melopad
