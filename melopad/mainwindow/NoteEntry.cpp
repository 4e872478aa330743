// Entering notes: the on-screen keyboard, the length buttons, and the keys
// typed while the score list has the focus.
#include <windows.h>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/model/Keyboard.h"
#include "melopad/model/Notes.h"
#include "melopad/playback/NoteSoundBank.h"
#include "toolkit/Font.h"

namespace {

constexpr int kPreviewMs = 25;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

toolkit::Rect RectOf(const melopad::PanelPlace& place) {
  return {place.left, place.top, place.width, place.height};
}

}  // namespace

void TMelopadForm::BuildKeyPanels() {
  ScoreListBox.OnKeyPress = [this](char key) { ScoreListBoxKeyPress(key); };
  ScoreListBox.OnKeyDown = [this](WPARAM key) { ScoreListBoxKeyDown(key); };
  keyPanelFont_ = toolkit::CreateUiFont("ＭＳ Ｐゴシック", -13);
  keyHints_.Create(Handle());
  const toolkit::Rect panel = KeyboardPanel.ClientRect();
  for (int k = 0; k < melopad::kKeyCount; ++k) {
    TKeyPanel& key = KeyPanels[static_cast<size_t>(k)];
    const bool black = melopad::IsBlackKey(k);
    key.SetBevelOuter(toolkit::Bevel::Lowered);
    key.SetBevelInner(toolkit::Bevel::Raised);
    key.SetColor(black ? kBlack : kWhite);
    key.SetFontColor(black ? kWhite : kBlack);
    key.Tag = melopad::kLowestPitch + k;
    PlaceControls({{key, RectOf(melopad::KeyPanelPlace(k, panel.width, panel.height)),
                    std::string(1, melopad::kKeyMap[k]), &KeyboardPanel}});
    key.SetFont(keyPanelFont_.Get());
    keyHints_.Add(key.Handle(), melopad::PitchLabel(key.Tag));
    key.OnMouseDown = [this, k] { KeyPanelMouseDown(k); };
    key.OnMouseUp = [this, k] { KeyPanelMouseUp(k); };
    key.OnClick = [this, k] { KeyPanelClick(k); };
  }
}

// Each button has its note picture at its left, on the button face colour.
void TMelopadForm::BuildLengthButtons() {
  lengthButtonFont_ = toolkit::CreateUiFont("ＭＳ Ｐゴシック", -12);
  const toolkit::Rect panel = ScorePanel.ClientRect();
  for (int i = 0; i < melopad::kLengthCount; ++i) {
    const auto index = static_cast<size_t>(i);
    const melopad::PanelPlace place = melopad::LengthButtonPlace(i, panel.width, panel.height);
    PlaceControls({
        {LengthButtons[index], RectOf(place), melopad::LengthNames[index], &ScorePanel},
        {LengthImages[index], {16, place.top + 2, 16, 16}, {}, &ScorePanel},
    });
    LengthButtons[index].SetFont(lengthButtonFont_.Get());
    LengthImages[index].SetPicture(NotePicture(i));
    LengthButtons[index].OnClick = [this, i] { SetCurrentLength(i); };
  }
  ShowCurrentLength();
}

toolkit::UniqueBitmap TMelopadForm::NotePicture(int lengthIndex) const {
  const toolkit::WindowDc screen(nullptr);
  toolkit::UniqueBitmap picture(::CreateCompatibleBitmap(screen.Get(), 16, 16));
  const toolkit::UniqueDc dc(::CreateCompatibleDC(screen.Get()));
  const toolkit::SelectedObject selected(dc.Get(), picture.Get());
  const RECT square{0, 0, 16, 16};
  ::FillRect(dc.Get(), &square, ::GetSysColorBrush(COLOR_BTNFACE));
  NoteImageList.Draw(dc.Get(), lengthIndex, 0, 0);
  return picture;
}

void TMelopadForm::SetCurrentLength(int lengthIndex) {
  melody_.SetSelectedLengthIndex(lengthIndex);
  ShowCurrentLength();
}

// Exactly one length button is down: the current length's.
void TMelopadForm::ShowCurrentLength() {
  for (int i = 0; i < melopad::kLengthCount; ++i) {
    LengthButtons[static_cast<size_t>(i)].SetDown(i == melody_.SelectedLengthIndex());
  }
}

void TMelopadForm::KeyPanelMouseDown(int keyIndex) {
  TKeyPanel& key = KeyPanels[static_cast<size_t>(keyIndex)];
  key.SetBevelInner(toolkit::Bevel::Lowered);
  // The pressed look shows while the note sounds.
  ::UpdateWindow(key.Handle());
  services_.sounds.PlayNote(key.Tag, kPreviewMs);
}

void TMelopadForm::KeyPanelMouseUp(int keyIndex) {
  KeyPanels[static_cast<size_t>(keyIndex)].SetBevelInner(toolkit::Bevel::Raised);
}

void TMelopadForm::KeyPanelClick(int keyIndex) {
  AsEditStep([&] {
    melody_.InsertScoreLine(melody_.MakeNoteLine(KeyPanels[static_cast<size_t>(keyIndex)].Tag));
  });
}

// The checks run in this order, each on its own.
void TMelopadForm::ScoreListBoxKeyPress(char key) {
  if (const int k = melopad::KeyIndexOfCharacter(key); k >= 0) {
    KeyPanelMouseDown(k);
    KeyPanelMouseUp(k);
    KeyPanelClick(k);
  }
  if (key == ' ') PauseButtonClick();
  if (key == 'a' || key == 'P') PlayButtonClick();
  const int length = melody_.SelectedLengthIndex();
  if (key == '>' && length > 0) SetCurrentLength(length - 1);
  if (key == '<' && length < melopad::kLengthCount - 1) SetCurrentLength(length + 1);
}
