// The tool bar's tempo and beats-per-bar controls, and how they stay in
// step with the melody.
#include "melopad/mainwindow/Melopadfrm.h"
#include "toolkit/Font.h"

namespace {
constexpr int kLabelFontHeight = 10;
constexpr int kButtonFontHeight = 11;
}  // namespace

void TMelopadForm::PlaceToolBar() {
  // The designed values, set in the order a form description sets them.
  TempoUpDown.SetPosition(melopad::kDefaultTempo);
  TempoUpDown.SetMax(melopad::kMaxTempo);
  TempoUpDown.SetMin(melopad::kMinTempo);
  HyoushiUpDown.SetPosition(melopad::kDefaultHyoushi);
  HyoushiUpDown.SetMax(melopad::kMaxHyoushi);
  HyoushiUpDown.SetMin(melopad::kMinHyoushi);
  PlaceControls({
      {PlayButton, {7, 6, 60, 18}, "再生", &ToolBarPanel},
      {DiffPlayButton, {68, 6, 60, 18}, "途中再生", &ToolBarPanel},
      {DeleteButton, {130, 6, 60, 18}, "音符削除", &ToolBarPanel},
      {PauseButton, {191, 6, 60, 18}, "休符挿入", &ToolBarPanel},
      {Label1, {259, 10, 30, 12}, "テンポ", &ToolBarPanel},
      {TempoUpDown, {291, 4, 62, 21}, {}, &ToolBarPanel},
      {HyoshiLabel, {364, 10, 22, 12}, "拍子", &ToolBarPanel},
      {HyoushiUpDown, {387, 4, 53, 21}, {}, &ToolBarPanel},
  });
  toolBarButtonFont_ = toolkit::CreateUiFont("ＭＳ Ｐゴシック", -kButtonFontHeight);
  for (toolkit::SpeedButton* button : {&PlayButton, &DiffPlayButton, &DeleteButton, &PauseButton}) {
    button->SetFlat(false);
    button->SetFont(toolBarButtonFont_.Get());
  }
  PlayButton.OnClick = [this] { PlayButtonClick(); };
  DiffPlayButton.OnClick = [this] { DiffPlayButtonClick(); };
  DeleteButton.OnClick = [this] { DeleteButtonClick(); };
  PauseButton.OnClick = [this] { PauseButtonClick(); };
  toolBarLabelFont_ = toolkit::CreateUiFont("ＭＳ Ｐゴシック", -kLabelFontHeight);
  Label1.SetFont(toolBarLabelFont_.Get());
  HyoshiLabel.SetFont(toolBarLabelFont_.Get());
  // Changing either value is not a change of the melody's notes: Modified stays.
  // A run of tempo steps is one step of the history.
  TempoUpDown.OnChange = [this] {
    AsEditStep([this] { melody_.SetTempo(TempoUpDown.Position()); },
               melopad::EditHistory::Kind::kTempo);
  };
  HyoushiUpDown.OnChange = [this] { melody_.SetHyoushi(HyoushiUpDown.Position()); };
}

void TMelopadForm::ShowMelodySettings() {
  TempoUpDown.SetPosition(melody_.Tempo());
  HyoushiUpDown.SetPosition(melody_.Hyoushi());
  ShowCurrentLength();
}
