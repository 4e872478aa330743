// A numeric spin box: a raised panel showing the value as its caption, with
// a thumbwheel at its left and a standard up-down arrow pair at its right.
// The value is a signed 16-bit number that the arrow control keeps between
// Min and Max; writing a value beyond a limit leaves the limit. Before the
// window exists the properties are only stored, in whatever order a form's
// design sets them; making the window applies the range, then the position.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "melopad/controls/WheelButton.h"
#include "toolkit/Control.h"

class TWheelUpDown : public toolkit::Panel {
 public:
  TWheelUpDown();

  // The caption is the position; the text given is not used.
  void Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) override;

  int Position() const;
  void SetPosition(int position);
  int Max() const { return max_; }
  void SetMax(int max);
  int Min() const { return min_; }
  void SetMin(int min);

  // Asked before every change with the arrows or the wheel, not when
  // Position is written; clearing the flag refuses the change.
  std::function<void(bool& allowChange)> OnChanging;
  // Told after the caption shows a new value, however it came.
  std::function<void()> OnChange;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The standard up-down control. The panel, its parent, hands the control's
  // notifications back to it: a change asked for and a click done.
  class Arrows : public toolkit::Control {
   public:
    void Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) override;
    int Position() const;
    void SetPosition(int position);
    void SetRange(int min, int max);

    std::function<void(bool& allowChange)> OnChanging;
    std::function<void()> OnClick;

   protected:
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    void OnScroll(int code, int position) override;
  };

  void Changing(bool& allowChange);
  void UpDownClick();
  void Up();
  void Down();
  void Step(int delta);
  void ShowPosition();
  void Arrange();

  Arrows arrows_;
  TWheelButton wheel_;
  // The designed values until the window exists; then the arrow control
  // holds the position, and these follow the range.
  int position_ = 0;
  int min_ = 0;
  int max_ = 100;
  // The value the caption shows, to tell a new value from a repeated one.
  int shown_ = 0;
};
