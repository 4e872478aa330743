#include "melopad/controls/WheelButton.h"

#include <windowsx.h>

#include <cmath>

#include "toolkit/UniqueHandle.h"

namespace {

constexpr wchar_t kWheelButtonClass[] = L"melopad.WheelButton";

// The wheel's geometry is worked out with this single-precision value of pi,
// which decides on which row two bands meet.
constexpr float kPi = 3.14159f;
constexpr int kBands = 20;
constexpr int kShades = 4;
// The shades from the lowest band upwards at phase 0, repeating.
constexpr int kShadeColors[kShades] = {COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE,
                                       COLOR_BTNHIGHLIGHT};

// The row where band r meets band r - 1: the bands are equal slices of a
// half turn of the cylinder, so they are thin near the edges and wide in the
// middle. Row 0 of band 0 is the bottom edge (height), band 20 the top (0).
int BandEdge(int height, int band) {
  const double angle = band * static_cast<double>(kPi) * 0.05;
  return static_cast<int>(height * (1.0 + std::cos(angle)) * 0.5);
}

// Band r covers the rows from its upper edge down to the row above its lower
// edge, so every row belongs to exactly one band.
void DrawBands(HDC dc, int width, int height, int phase) {
  for (int band = 0; band < kBands; ++band) {
    const RECT rows{0, BandEdge(height, band + 1), width, BandEdge(height, band)};
    ::FillRect(dc, &rows, ::GetSysColorBrush(kShadeColors[(band + phase) % kShades]));
  }
}

// Light right and bottom edges, dark left and top ones over them, so the
// wheel looks sunk into the panel. The pens are two pixels wide and run
// along the window's outer lines, so one pixel of each shows.
void DrawEdges(HDC dc, int width, int height) {
  const toolkit::UniquePen light(::CreatePen(PS_SOLID, 2, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
  const toolkit::UniquePen dark(::CreatePen(PS_SOLID, 2, ::GetSysColor(COLOR_BTNSHADOW)));
  {
    const toolkit::SelectedObject selected(dc, light.Get());
    ::MoveToEx(dc, width, 0, nullptr);
    ::LineTo(dc, width, height);
    ::LineTo(dc, 0, height);
  }
  const toolkit::SelectedObject selected(dc, dark.Get());
  ::MoveToEx(dc, 0, height, nullptr);
  ::LineTo(dc, 0, 0);
  ::LineTo(dc, width, 0);
}

void DrawWheel(HDC dc, int width, int height, int phase) {
  DrawBands(dc, width, height, phase);
  DrawEdges(dc, width, height);
}

}  // namespace

void TWheelButton::Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) {
  // No CS_DBLCLKS: two quick presses are two presses, each starting a drag.
  CreateOwnClass(kWheelButtonClass, WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                 bounds, parent, text, CS_HREDRAW | CS_VREDRAW);
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextId(parent));
}

// The ribs move towards the top: the lowest band takes the previous shade.
void TWheelButton::Up() {
  if (OnUp) OnUp();
  phase_ = (phase_ + kShades - 1) % kShades;
}

void TWheelButton::Down() {
  if (OnDown) OnDown();
  phase_ = (phase_ + 1) % kShades;
}

LRESULT TWheelButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // The bands cover every pixel.
    case WM_LBUTTONDOWN:
      MouseDown(GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      MouseUp();
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;  // A menu or a message box took the mouse.
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

// The mouse stays with the wheel while the button is held, so a drag goes
// on when the pointer leaves the narrow wheel.
void TWheelButton::MouseDown(int y) {
  lastY_ = y;
  dragging_ = true;
  ::SetCapture(Handle());
}

void TWheelButton::MouseUp() {
  dragging_ = false;
  if (::GetCapture() == Handle()) ::ReleaseCapture();
}

// Resting inside the edge takes the focus, so the wheel messages come here.
// Dragging steps once per mouse move, however far the pointer went:
// downwards turns the wheel down, upwards up.
void TWheelButton::MouseMove(WPARAM keys, int x, int y) {
  FocusWhenHovered(x, y);
  if (!dragging_ || (keys & MK_LBUTTON) == 0 || y == lastY_) return;
  if (y > lastY_) {
    Down();
  } else {
    Up();
  }
  lastY_ = y;
  Invalidate();
}

// One step per whole notch (120) in the delta's direction; the remainder of
// a finer wheel's delta is dropped, so a delta under a notch does nothing.
void TWheelButton::MouseWheel(int delta) {
  const int steps = delta / WHEEL_DELTA;
  for (int step = 0; step < steps; ++step) Up();
  for (int step = 0; step > steps; --step) Down();
  if (steps != 0) Invalidate();
}

// Drawn into a memory bitmap first and copied in one step, so the bands do
// not flicker while the wheel turns.
void TWheelButton::OnPaint(HDC target) {
  const toolkit::Rect client = ClientRect();
  if (client.width <= 0 || client.height <= 0) return;
  const toolkit::UniqueDc memory(::CreateCompatibleDC(target));
  const toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(target, client.width, client.height));
  if (!memory || !bitmap) {
    DrawWheel(target, client.width, client.height, phase_);  // Short of memory: flicker, but draw.
    return;
  }
  const toolkit::SelectedObject selected(memory.Get(), bitmap.Get());
  DrawWheel(memory.Get(), client.width, client.height, phase_);
  ::BitBlt(target, 0, 0, client.width, client.height, memory.Get(), 0, 0, SRCCOPY);
}
