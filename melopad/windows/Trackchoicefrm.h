// The question which track of a MIDI file becomes the melody: the tracks
// listed with their names and note counts, the suggested one selected.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "melopad/convert/MidiFile.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"

class TTrackChoiceForm : public toolkit::Form {
 public:
  TTrackChoiceForm(HWND owner, const std::vector<melopad::MidiTrackInfo>& tracks, int suggested);

  // The track chosen, numbered from 0; none when the question was cancelled.
  std::optional<int> Ask();

  toolkit::Label PromptLabel;
  toolkit::ListBox TrackList;
  toolkit::Button OKButton;
  toolkit::Button CancelButton;
};

// The line a track has in the list: its number from 1, name and notes.
std::string TrackChoiceText(int index, const melopad::MidiTrackInfo& track);
