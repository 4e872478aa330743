#include "melopad/windows/Analizefrm.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/model/Analysis.h"
#include "toolkit/Application.h"
#include "toolkit/Font.h"
#include "toolkit/Text.h"

namespace {

constexpr int kClientWidth = 285;
constexpr int kClientHeight = 168;
constexpr int kListFontHeight = 11;
constexpr int kListItemHeight = 11;

// The merge's progress bar: 70 % of the window wide, the standard height,
// counting in thousandths.
constexpr int kProgressWidthPercent = 70;
constexpr int kProgressHeight = 16;
constexpr int kProgressMin = 0;
constexpr int kProgressMax = 1000;
// How often a merge lets the window paint: about a display's frame.
constexpr ULONGLONG kPaintIntervalMs = 15;
// The label stands this far above the centre, the bar this far below.
constexpr int kMergingOffset = 20;

constexpr const char* kIntroLines[] = {
    "以下は編集中の曲に関する情報です",
    "「休符をマージ」ボタンを押すと、連続する休符を",
    "繋げてサイズを小さくすることができます。",
};

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "分析";
  design.clientWidth = kClientWidth;
  design.clientHeight = kClientHeight;
  design.border = toolkit::BorderStyle::Dialog;
  // No close box: "OK" closes the window.
  design.systemMenu = false;
  return design;
}

// The size a label takes to show its text in one line, as an automatically
// sized label has.
SIZE TextSize(HWND window, HFONT font, std::string_view text) {
  const toolkit::WindowDc dc(window);
  const toolkit::SelectedObject selected(dc.Get(), font);
  const std::wstring wide = toolkit::Widen(text);
  SIZE size{};
  ::GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

}  // namespace

TAnalizeForm::TAnalizeForm(HWND owner, melopad::Melody& melody)
    : Form(Design(), owner), melody_(melody), title_(Text()) {
  ListBox1.SetBorderless(true);
  ListBox1.SetTabStop(false);
  const auto labelAt = [this](int left, int top, std::string_view text) {
    const SIZE size = TextSize(Handle(), Font(), text);
    return toolkit::Rect{left, top, size.cx, size.cy};
  };
  PlaceControls({
      {ListBox1, {7, 8, 271, 41}},
      {SongNameLabel, labelAt(10, 52, "曲名"), "曲名"},
      {SongSizeLabel, labelAt(10, 72, "サイズ(Byte)"), "サイズ(Byte)"},
      {NoteNoLabel, labelAt(10, 92, "音符数"), "音符数"},
      {TimeLengthLabel, labelAt(10, 112, "予想再生時間(ms)"), "予想再生時間(ms)"},
      {SongNamePanel, {118, 52, 157, 17}},
      {SongSizePanel, {118, 72, 157, 17}},
      {NoteNoPanel, {118, 92, 157, 17}},
      {TimeLengthPanel, {118, 112, 157, 17}},
      {MergeButton, {92, 132, 89, 25}, "休符をマージ"},
      {OkButton, {186, 132, 89, 25}, "OK"},
  });
  listFont_ = toolkit::CreateUiFont("ＭＳ Ｐゴシック", -kListFontHeight);
  ListBox1.SetFont(listFont_.Get());
  ListBox1.SetItemHeight(kListItemHeight);
  for (const char* line : kIntroLines) ListBox1.Add(line);
  MergeButton.SetFlat(false);
  OkButton.SetFlat(false);
  MergeButton.OnClick = [this] { MergeButtonClick(); };
  OkButton.OnClick = [this] { OkButtonClick(); };
  ShowAnalysis();
}

void TAnalizeForm::ShowAnalysis() {
  const melopad::MelodyAnalysis analysis = melopad::AnalyzeMelody(melody_);
  SongNamePanel.SetText(analysis.songName);
  // The size of the file a save would write: a melody without a song name is
  // saved under the untitled name, whose bytes count too.
  SongSizePanel.SetText(std::to_string(melopad::SavedAlsFileSize(melody_)));
  NoteNoPanel.SetText(std::to_string(analysis.lineCount));
  TimeLengthPanel.SetText(std::to_string(analysis.playingTimeMs));
}

void TAnalizeForm::MergeButtonClick() {
  MergeRests();
}

void TAnalizeForm::OkButtonClick() {
  SetModalResult(toolkit::kModalOk);
}

// While the rules run only the bevel, a label and a progress bar show, and
// the title names the rule being applied.
void TAnalizeForm::MergeRests() {
  SetControlsVisible(false);
  ShowMergingProgress();
  try {
    melopad::MergeListener listener;
    listener.ruleStarted = [this](const melopad::MergeRule& rule) { MergeRuleStarted(rule); };
    listener.merged = [this](int index, int lineCount) { Merged(index, lineCount); };
    listener.ruleFinished = [this](const melopad::MergeRule&) { MergeRuleFinished(); };
    melopad::MergeRests(melody_, listener);
    ShowAnalysis();
  } catch (...) {
    // The window is shown as it was before the error is reported.
    SetText(title_);
    EndMergingProgress();
    SetControlsVisible(true);
    throw;
  }
  EndMergingProgress();
  SetControlsVisible(true);
}

void TAnalizeForm::SetControlsVisible(bool visible) {
  for (toolkit::Window* control : std::initializer_list<toolkit::Window*>{
           &ListBox1, &SongNameLabel, &SongSizeLabel, &NoteNoLabel, &TimeLengthLabel,
           &SongNamePanel, &SongSizePanel, &NoteNoPanel, &TimeLengthPanel, &MergeButton,
           &OkButton}) {
    control->SetVisible(visible);
  }
}

// Both centred across the window, the label above the middle and the bar
// below it; pending messages are handled so that they show at once.
void TAnalizeForm::ShowMergingProgress() {
  const toolkit::Rect client = ClientRect();
  constexpr std::string_view kMerging = "休符をマージ中";
  const SIZE label = TextSize(Handle(), Font(), kMerging);
  const int barWidth = kProgressWidthPercent * client.width / 100;
  MergingLabel.emplace();
  MergingProgressBar.emplace();
  PlaceControls({
      {*MergingLabel,
       {client.width / 2 - label.cx / 2, client.height / 2 - label.cy / 2 - kMergingOffset,
        label.cx, label.cy},
       kMerging},
      {*MergingProgressBar,
       {client.width / 2 - barWidth / 2, client.height / 2 - kProgressHeight / 2 + kMergingOffset,
        barWidth, kProgressHeight}},
  });
  MergingProgressBar->SetRange(kProgressMin, kProgressMax);
  MergingProgressBar->SetPosition(kProgressMin);
  shownProgress_ = kProgressMin;
  toolkit::Application::Current().ProcessMessages();
  lastPainted_ = ::GetTickCount64();
}

void TAnalizeForm::EndMergingProgress() {
  MergingProgressBar.reset();
  MergingLabel.reset();
}

// The title is kept to be put back when the rule is done.
void TAnalizeForm::MergeRuleStarted(const melopad::MergeRule& rule) {
  title_ = Text();
  SetText(melopad::MergeRuleCaption(rule));
}

// The bar ends the rule where its last merge stands, and the window paints
// at every rule's end however quickly the rule ran.
void TAnalizeForm::MergeRuleFinished() {
  MergingProgressBar->SetPosition(shownProgress_);
  toolkit::Application::Current().ProcessMessages();
  lastPainted_ = ::GetTickCount64();
  SetText(title_);
}

// The bar shows how far down the melody the last merge stands, and pending
// messages are handled so that the window keeps painting; both at the
// display's pace rather than after every merge: moving the bar and painting
// cost a fraction of a millisecond each, and a long melody makes tens of
// thousands of merges.
void TAnalizeForm::Merged(int index, int lineCount) {
  const auto span = static_cast<long long>(kProgressMax - kProgressMin);
  shownProgress_ = static_cast<int>(index * span / (lineCount + 1));
  const ULONGLONG now = ::GetTickCount64();
  if (now - lastPainted_ < kPaintIntervalMs) return;
  lastPainted_ = now;
  MergingProgressBar->SetPosition(shownProgress_);
  toolkit::Application::Current().ProcessMessages();
}

// The list of explanations has the face colour instead of a window's white.
LRESULT TAnalizeForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORLISTBOX:
      if (reinterpret_cast<HWND>(lParam) != ListBox1.Handle()) break;
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
      ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    default:
      break;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

// The raised bevel that frames the whole client area; it stays while the
// controls are hidden for merging.
void TAnalizeForm::OnPaint(HDC dc) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  ::DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
}

LRESULT TAnalizeForm::ValuePanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return Panel::HandleMessage(message, wParam, lParam);
  }
}

// A lowered outer and a raised inner bevel, then the text at the left,
// centred from top to bottom; "&" is shown as it is.
void TAnalizeForm::ValuePanel::OnPaint(HDC dc) {
  RECT area{};
  ::GetClientRect(Handle(), &area);
  ::DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  ::DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  const std::wstring caption = toolkit::Widen(Text());
  auto font = reinterpret_cast<HFONT>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
  const toolkit::SelectedObject selected(
      dc, font != nullptr ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TAnalizeForm::ProgressBar::Create(HWND parent, const toolkit::Rect& bounds,
                                       std::string_view text) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&classes);
  CreateStandard(PROGRESS_CLASSW, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds, parent, text,
                 NextId(parent));
}

void TAnalizeForm::ProgressBar::SetRange(int min, int max) {
  ::SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
}

int TAnalizeForm::ProgressBar::Min() const {
  return static_cast<int>(::SendMessageW(Handle(), PBM_GETRANGE, TRUE, 0));
}

int TAnalizeForm::ProgressBar::Max() const {
  return static_cast<int>(::SendMessageW(Handle(), PBM_GETRANGE, FALSE, 0));
}

int TAnalizeForm::ProgressBar::Position() const {
  return static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

void TAnalizeForm::ProgressBar::SetPosition(int position) {
  ::SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}
