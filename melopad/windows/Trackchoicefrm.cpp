#include "melopad/windows/Trackchoicefrm.h"

#include <string>

namespace {

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "トラックの選択";
  design.clientWidth = 320;
  design.clientHeight = 212;
  design.border = toolkit::BorderStyle::Dialog;
  return design;
}

}  // namespace

std::string TrackChoiceText(int index, const melopad::MidiTrackInfo& track) {
  std::string text = std::to_string(index + 1) + ": ";
  text += track.name.empty() ? "(名前なし)" : track.name;
  text += " - " + std::to_string(track.noteCount) + " 音";
  if (track.drumNoteCount > 0) text += " (ドラム " + std::to_string(track.drumNoteCount) + " 音)";
  return text;
}

TTrackChoiceForm::TTrackChoiceForm(HWND owner, const std::vector<melopad::MidiTrackInfo>& tracks,
                                   int suggested)
    : Form(Design(), owner) {
  OKButton.SetDefault(true);
  OKButton.SetModalResult(toolkit::kModalOk);
  CancelButton.SetCancel(true);
  CancelButton.SetModalResult(toolkit::kModalCancel);
  PlaceControls({
      {PromptLabel, {12, 12, 296, 12}, "メロディにするトラックを選んでください"},
      {TrackList, {12, 32, 296, 134}},
      {OKButton, {152, 176, 75, 25}, "OK"},
      {CancelButton, {233, 176, 75, 25}, "キャンセル"},
  });
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    TrackList.Add(TrackChoiceText(static_cast<int>(i), tracks[i]));
  }
  TrackList.SetItemIndex(suggested);
  // A double click on a track takes it, as OK would.
  TrackList.OnDoubleClick = [this] { SetModalResult(toolkit::kModalOk); };
  EnableDialogNavigation();
}

std::optional<int> TTrackChoiceForm::Ask() {
  if (ShowModal() != toolkit::kModalOk || TrackList.ItemIndex() < 0) return std::nullopt;
  return TrackList.ItemIndex();
}
