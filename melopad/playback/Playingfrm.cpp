#include "melopad/playback/Playingfrm.h"

#include <string_view>

#include "melopad/model/ScoreLine.h"
#include "melopad/model/Timing.h"
#include "toolkit/Application.h"
#include "toolkit/Font.h"
#include "toolkit/Text.h"

using toolkit::SelectedObject;

namespace {

constexpr int kClientWidth = 238;
constexpr int kClientHeight = 149;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr char kFontName[] = "ＭＳ Ｐゴシック";
constexpr int kFrameWidth = 3;

struct PlacedText {
  int x;
  int y;
  std::string_view text;
};

constexpr PlacedText kTexts[] = {
    {10, 10, "再生中"},
    {10, 25, "停止するにはここをクリック"},
    {10, 128, "Duzozaz Edovu"},
};

// Centred on the whole desktop, across all monitors; without a border the
// window is as large as its client area.
toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "Playing";
  design.clientWidth = kClientWidth;
  design.clientHeight = kClientHeight;
  design.border = toolkit::BorderStyle::None;
  design.color = kWhite;
  design.fontName = kFontName;
  design.fontHeight = -12;  // a character height of 12 pixels
  design.position = toolkit::FormPosition::Designed;
  design.left = ::GetSystemMetrics(SM_XVIRTUALSCREEN) +
                (::GetSystemMetrics(SM_CXVIRTUALSCREEN) - kClientWidth) / 2;
  design.top = ::GetSystemMetrics(SM_YVIRTUALSCREEN) +
               (::GetSystemMetrics(SM_CYVIRTUALSCREEN) - kClientHeight) / 2;
  return design;
}

// Three pixels wide and drawn inside the rectangle, so that all three are
// seen along the window's edges, with square corners.
toolkit::UniquePen FramePen() {
  const LOGBRUSH ink{BS_SOLID, kBlack, 0};
  return toolkit::UniquePen(
      ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_INSIDEFRAME | PS_JOIN_MITER | PS_ENDCAP_SQUARE,
                     kFrameWidth, &ink, 0, nullptr));
}

}  // namespace

TPlayingForm::TPlayingForm(HWND owner, const melopad::Melody& melody, NoteSoundBank& sounds)
    : Form(Design(), owner),
      melody_(melody),
      sequencer_(sounds),
      // The texts are drawn with a cell height of 12 pixels, a little
      // smaller than the form's own font.
      paintFont_(toolkit::CreateUiFont(kFontName, 12)),
      framePen_(FramePen()) {
  toolkit::Application::Current().SetIdleHandler([this](bool& done) { PlayMelody(done); });
  idleHandlerInstalled_ = true;
}

// A window destroyed before it went idle must not leave its player behind.
TPlayingForm::~TPlayingForm() {
  if (idleHandlerInstalled_) toolkit::Application::Current().ClearIdleHandler();
}

LRESULT TPlayingForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      buttonDown_ = true;
      return 0;
    case WM_LBUTTONUP:
      // A click is a press and a release on the window.
      if (buttonDown_) {
        buttonDown_ = false;
        FormClick();
      }
      return 0;
    default:
      return Form::HandleMessage(message, wParam, lParam);
  }
}

// The fixed part of the window: the black frame along its edges and the
// texts. The figure is drawn by the player, note by note.
void TPlayingForm::FormPaint(HDC dc) {
  const toolkit::Rect client = ClientRect();
  {
    const SelectedObject brush(dc, ::GetStockObject(NULL_BRUSH));
    const SelectedObject pen(dc, framePen_.Get());
    ::Rectangle(dc, 0, 0, client.width, client.height);
  }
  const SelectedObject font(dc, paintFont_.Get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, kBlack);
  for (const PlacedText& placed : kTexts) {
    const std::wstring text = toolkit::Widen(placed.text);
    ::TextOutW(dc, placed.x, placed.y, text.c_str(), static_cast<int>(text.size()));
  }
}

void TPlayingForm::FormClick() {
  StopRequested = true;
}

// Runs once, from the idle event of the window's modal loop: plays the lines
// from StartIndex on, handling the waiting messages between notes so that a
// click can stop it, then closes the window, which ends the modal loop.
void TPlayingForm::PlayMelody(bool&) {
  toolkit::Application::Current().ClearIdleHandler();
  idleHandlerInstalled_ = false;
  Sprite.Prepare();
  try {
    // The number of lines is read before every note.
    for (int i = StartIndex; i < melody_.Count() && !ShouldStop(); ++i) PlayLine(i);
  } catch (...) {
    // A window left open with no player would keep its modal loop waiting.
    EndPlayback();
    throw;
  }
  EndPlayback();
}

// The pose follows the line's index, so playing from an odd line starts
// with the second pose. The tempo is the one set at this moment. The note
// ends on the melody's beat; the drawing before it and the pause and the
// messages after it come out of the next note's time.
void TPlayingForm::PlayLine(int index) {
  {
    const toolkit::WindowDc dc(Handle());
    Sprite.DrawFrame(dc.Get(), ClientRect().width, index % 2);
  }
  const melopad::ScoreCodes codes =
      melopad::ParseScoreLine(melody_.Lines().at(static_cast<size_t>(index)));
  sequencer_.Play(codes.pitchCode, melopad::NoteDurationMs(codes.lengthCode, melody_.Tempo()));
  toolkit::Application& application = toolkit::Application::Current();
  application.Sleep(1);
  application.ProcessMessages();
}

// Besides a click, the end of the program stops the playing at once: the
// main window closed while a note played (which destroyed this window with
// it) or the quit message arrived. Playing on would keep the process alive,
// silent and without windows, until the melody would have ended.
bool TPlayingForm::ShouldStop() const {
  return StopRequested || !HasHandle() || toolkit::Application::Current().Terminated();
}

// A window already destroyed along with its owner has nothing left to close.
void TPlayingForm::EndPlayback() {
  if (HasHandle()) {
    Hide();
    Close();
  }
  Sprite.FreeFrameBuffer();
}

void PlayMelodyFrom(HWND owner, const melopad::Melody& melody, NoteSoundBank& sounds,
                    int startIndex) {
  TPlayingForm form(owner, melody, sounds);
  form.StartIndex = startIndex;
  form.ShowModal();
}
