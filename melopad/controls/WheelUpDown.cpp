#include "melopad/controls/WheelUpDown.h"

#include <commctrl.h>

#include <algorithm>
#include <limits>
#include <string>

namespace {

// Both parts are as wide as the standard arrow pair.
constexpr int kPartWidth = 16;

// The arrow control holds 16-bit values; wider ones are held at the nearest
// 16-bit value instead of wrapping round to the other sign.
int ToSmallInt(int value) {
  return std::clamp<int>(value, std::numeric_limits<short>::min(),
                         std::numeric_limits<short>::max());
}

}  // namespace

void TWheelUpDown::Arrows::Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
  ::InitCommonControlsEx(&classes);
  CreateStandard(UPDOWN_CLASSW, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | UDS_ARROWKEYS, bounds,
                 parent, text, NextId(parent));
}

// The low word is the position; its sign is the 16-bit value's. The high
// word only says whether a buddy window's text could be read, and there is
// no buddy.
int TWheelUpDown::Arrows::Position() const {
  const LRESULT result = ::SendMessageW(Handle(), UDM_GETPOS, 0, 0);
  return static_cast<short>(LOWORD(result));
}

// The control keeps the position within its range.
void TWheelUpDown::Arrows::SetPosition(int position) {
  ::SendMessageW(Handle(), UDM_SETPOS, 0, MAKELPARAM(ToSmallInt(position), 0));
}

void TWheelUpDown::Arrows::SetRange(int min, int max) {
  ::SendMessageW(Handle(), UDM_SETRANGE, 0, MAKELPARAM(max, min));
}

// Asked before an arrow changes the position; a nonzero answer refuses.
bool TWheelUpDown::Arrows::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != UDN_DELTAPOS) return false;
  bool allowChange = true;
  if (OnChanging) OnChanging(allowChange);
  result = allowChange ? 0 : 1;
  return true;
}

// After each arrow step, refused or not, the control reports its position.
void TWheelUpDown::Arrows::OnScroll(int code, int /*position*/) {
  if (code == SB_THUMBPOSITION && OnClick) OnClick();
}

TWheelUpDown::TWheelUpDown() {
  SetBevelInner(toolkit::Bevel::Lowered);
  SetBevelOuter(toolkit::Bevel::Raised);
  arrows_.OnChanging = [this](bool& allowChange) { Changing(allowChange); };
  arrows_.OnClick = [this] { UpDownClick(); };
  wheel_.OnUp = [this] { Up(); };
  wheel_.OnDown = [this] { Down(); };
}

// The range first, so the designed position is checked against the designed
// range and not against the arrow control's default of 0 to 100.
void TWheelUpDown::Create(HWND parent, const toolkit::Rect& bounds, std::string_view /*text*/) {
  Panel::Create(parent, bounds, "");
  arrows_.Create(Handle(), {}, "");
  arrows_.SetRange(min_, max_);
  arrows_.SetPosition(position_);
  wheel_.Create(Handle(), {}, "");
  Arrange();
  shown_ = Position();
  SetText(std::to_string(shown_));
}

int TWheelUpDown::Position() const {
  return arrows_.HasHandle() ? arrows_.Position() : position_;
}

void TWheelUpDown::SetPosition(int position) {
  position_ = ToSmallInt(position);
  if (!arrows_.HasHandle()) return;
  arrows_.SetPosition(position_);
  ShowPosition();
}

// The limits do not touch the caption.
void TWheelUpDown::SetMax(int max) {
  max_ = ToSmallInt(max);
  if (arrows_.HasHandle()) arrows_.SetRange(min_, max_);
}

void TWheelUpDown::SetMin(int min) {
  min_ = ToSmallInt(min);
  if (arrows_.HasHandle()) arrows_.SetRange(min_, max_);
}

LRESULT TWheelUpDown::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) Arrange();
  return Panel::HandleMessage(message, wParam, lParam);
}

// The wheel keeps to the left side and the arrows to the right, both as
// tall as the inside of the bevels.
void TWheelUpDown::Arrange() {
  if (!arrows_.HasHandle() || !wheel_.HasHandle()) return;
  const toolkit::Rect content = ContentRect();
  arrows_.SetBounds(
      {content.left + content.width - kPartWidth, content.top, kPartWidth, content.height});
  wheel_.SetBounds({content.left, content.top, kPartWidth, content.height});
}

// Before a change: the owner may refuse it. The position is still the old one.
void TWheelUpDown::Changing(bool& allowChange) {
  if (OnChanging) OnChanging(allowChange);
  ShowPosition();
}

void TWheelUpDown::UpDownClick() {
  ShowPosition();
}

void TWheelUpDown::Up() {
  Step(1);
}

void TWheelUpDown::Down() {
  Step(-1);
}

// A wheel step asks first, as an arrow does, so an owner that refuses
// changes refuses them from the wheel too. The wheel turns either way. At a
// limit the arrow control keeps the value there.
void TWheelUpDown::Step(int delta) {
  bool allowChange = true;
  Changing(allowChange);
  if (!allowChange) return;
  arrows_.SetPosition(arrows_.Position() + delta);
  ShowPosition();
}

void TWheelUpDown::ShowPosition() {
  const int position = Position();
  SetText(std::to_string(position));
  if (position == shown_) return;
  shown_ = position;
  if (OnChange) OnChange();
}
