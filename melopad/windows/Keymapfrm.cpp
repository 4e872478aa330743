#include "melopad/windows/Keymapfrm.h"

#include <algorithm>

#include "melopad/model/PrintArea.h"
#include "toolkit/Application.h"
#include "toolkit/Metafile.h"

namespace {

constexpr int kOuterWidth = 289;
constexpr int kOuterHeight = 388;
constexpr int kToolBarHeight = 45;
constexpr wchar_t kPictureName[] = L"KLS";
constexpr char kJobTitle[] = "Melopad Keymap";
constexpr char kSentMessage[] = "プリンタに送信しました";

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "キーボードマップ";
  design.width = kOuterWidth;
  design.height = kOuterHeight;
  design.border = toolkit::BorderStyle::Sizeable;
  design.position = toolkit::FormPosition::ScreenCenter;
  return design;
}

}  // namespace

// The display shows a copy of the page; the one loaded here is freed when
// the constructor ends.
TKeyMapForm::TKeyMapForm(HWND owner) : Form(Design(), owner) {
  const toolkit::Rect client = ClientRect();
  const int toolBarTop = std::max(0, client.height - kToolBarHeight);
  PlaceControls({
      {KeyMapDisplay, {0, 0, client.width, toolBarTop}},
      {ToolBar, {0, toolBarTop, client.width, kToolBarHeight}},
      {SpeedButton1, {6, 10, 85, 25}, "印刷", &ToolBar},
      {SpeedButton3, {98, 10, 85, 25}, "プリンタの設定", &ToolBar},
      {SpeedButton2, {190, 10, 85, 25}, "閉じる", &ToolBar},
  });
  ToolBar.SetBevelInner(toolkit::Bevel::Raised);
  ToolBar.SetBevelOuter(toolkit::Bevel::Lowered);
  for (toolkit::SpeedButton* button : {&SpeedButton1, &SpeedButton3, &SpeedButton2}) {
    button->SetFlat(false);
    buttonAnchors_.emplace_back(*button);
  }
  SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
  SpeedButton3.OnClick = [this] { SpeedButton3Click(); };
  SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
  const toolkit::Metafile picture = toolkit::Metafile::FromResource(kPictureName);
  KeyMapDisplay.SetPicture(picture);
}

// The page goes onto an A4-proportioned area at the top left of the
// printable part of the sheet, loaded afresh from the program. Its
// rectangle starts one pixel outside the printable part, so no blank line
// is left at its top and left edges. A printer that refuses the job ends
// the command with an error before the message.
void TKeyMapForm::SpeedButton1Click() {
  const toolkit::Printer printer(PrinterSetupDialog.Choice());
  toolkit::PrintJob job(printer, kJobTitle);
  const SIZE page = printer.PrintableSize();
  const melopad::PrintArea area = melopad::A4PrintArea(page.cx, page.cy);
  job.StartPage();
  const toolkit::Metafile picture = toolkit::Metafile::FromResource(kPictureName);
  picture.Play(printer.Dc(), {-1, -1, area.width, area.height});
  job.EndPage();
  job.Finish();
  toolkit::Application& application = toolkit::Application::Current();
  application.Prompts().ShowMessage(Handle(), {kSentMessage, application.Title()});
}

// What the user chose is kept for printing; the answer itself changes nothing here.
void TKeyMapForm::SpeedButton3Click() {
  PrinterSetupDialog.Execute(Handle());
}

void TKeyMapForm::SpeedButton2Click() {
  Close();
}

LRESULT TKeyMapForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) ArrangeControls();
  return Form::HandleMessage(message, wParam, lParam);
}

// The page fills what the tool bar leaves; the tool bar keeps to the bottom
// edge at its height, and its buttons to its bottom right corner.
void TKeyMapForm::ArrangeControls() {
  if (!ToolBar.HasHandle()) return;
  const toolkit::Rect client = ClientRect();
  const int toolBarTop = std::max(0, client.height - kToolBarHeight);
  KeyMapDisplay.SetBounds({0, 0, client.width, toolBarTop});
  ToolBar.SetBounds({0, toolBarTop, client.width, kToolBarHeight});
  for (const toolkit::RightBottomAnchor& anchor : buttonAnchors_) anchor.Follow();
}
