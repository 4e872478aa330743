#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "tests/wine/support/WindowTest.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/UniqueHandle.h"

namespace {

struct Scroll {
  int code;
  int position;
  bool operator==(const Scroll&) const = default;
};

// A standard control that records the notifications and scroll messages
// its parent hands back to it, and answers notifications as told.
class RecordingControl : public toolkit::Control {
 public:
  explicit RecordingControl(const wchar_t* className) : className_(className) {}

  void Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) override {
    CreateStandard(className_, 0, WS_CHILD | WS_VISIBLE, bounds, parent, text, NextId(parent));
  }

  std::vector<UINT> notifications;
  std::vector<Scroll> scrolls;
  bool handles = true;
  LRESULT answer = 0;

 protected:
  bool OnNotify(NMHDR& header, LRESULT& result) override {
    notifications.push_back(header.code);
    result = answer;
    return handles;
  }
  void OnScroll(int code, int position) override { scrolls.push_back({code, position}); }

 private:
  const wchar_t* className_;
};

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "notifications";
  design.clientWidth = 200;
  design.clientHeight = 100;
  return design;
}

// A form with two wrapped controls and a child window without a wrapper.
class NotifyingForm : public toolkit::Form {
 public:
  NotifyingForm() : Form(Design()) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&classes);
    PlaceControls({{Static, {10, 10, 50, 20}}, {Arrows, {70, 10, 16, 30}}});
    stranger_.Reset(::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, Handle(), nullptr,
                                      nullptr, nullptr));
  }

  HWND Stranger() const { return stranger_.Get(); }

  RecordingControl Static{L"STATIC"};
  RecordingControl Arrows{UPDOWN_CLASSW};

 private:
  toolkit::UniqueWindow stranger_;
};

class NotificationTest : public testing_support::WindowTest {
 protected:
  LRESULT Notify(HWND from, UINT code) {
    NMHDR header{from, static_cast<UINT_PTR>(::GetDlgCtrlID(from)), code};
    return ::SendMessageW(form.Handle(), WM_NOTIFY, header.idFrom,
                          reinterpret_cast<LPARAM>(&header));
  }

  NotifyingForm form;
};

TEST_F(NotificationTest, ANotificationReachesTheWrapperOfItsControlWithItsAnswer) {
  struct Case {
    const char* name;
    bool handles;
    LRESULT answer;
    LRESULT sent;
  };
  const Case cases[] = {
      {"refusing", true, 1, 1},
      {"allowing", true, 0, 0},
      {"not handled: the default answer", false, 7, 0},
  };
  for (const Case& c : cases) {
    form.Static.notifications.clear();
    form.Static.handles = c.handles;
    form.Static.answer = c.answer;
    EXPECT_EQ(Notify(form.Static.Handle(), UDN_DELTAPOS), c.sent) << c.name;
    EXPECT_EQ(form.Static.notifications, std::vector<UINT>{UDN_DELTAPOS}) << c.name;
  }
}

TEST_F(NotificationTest, ANotificationFromAWindowWithoutWrapperGoesToTheDefault) {
  EXPECT_EQ(Notify(form.Stranger(), UDN_DELTAPOS), 0);
  EXPECT_TRUE(form.Static.notifications.empty());
  EXPECT_TRUE(form.Arrows.notifications.empty());
}

TEST_F(NotificationTest, ScrollMessagesFromAControlReachItsWrapper) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
    HWND from;
    std::vector<Scroll> scrolls;
  };
  const Case cases[] = {
      {"vertical",
       WM_VSCROLL,
       MAKEWPARAM(SB_THUMBPOSITION, 42),
       form.Static.Handle(),
       {{SB_THUMBPOSITION, 42}}},
      {"horizontal",
       WM_HSCROLL,
       MAKEWPARAM(SB_LINEDOWN, 0),
       form.Static.Handle(),
       {{SB_LINEDOWN, 0}}},
      {"the form's own scroll bar", WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), nullptr, {}},
      {"a window without wrapper", WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), form.Stranger(), {}},
  };
  for (const Case& c : cases) {
    form.Static.scrolls.clear();
    ::SendMessageW(form.Handle(), c.message, c.wParam, reinterpret_cast<LPARAM>(c.from));
    EXPECT_EQ(form.Static.scrolls, c.scrolls) << c.name;
  }
}

// A click on the up arrow of a real up-down control: the control asks first,
// changes its position only if allowed, and reports its position after.
TEST_F(NotificationTest, AnUpDownControlAsksItsWrapperBeforeAnArrowChangesItsPosition) {
  struct Case {
    const char* name;
    LRESULT answer;
    int position;
  };
  const Case cases[] = {{"allowed", 0, 6}, {"refused", 1, 5}};
  HWND arrows = form.Arrows.Handle();
  ::SendMessageW(arrows, UDM_SETRANGE, 0, MAKELPARAM(10, 0));
  for (const Case& c : cases) {
    ::SendMessageW(arrows, UDM_SETPOS, 0, 5);
    form.Arrows.notifications.clear();
    form.Arrows.scrolls.clear();
    form.Arrows.answer = c.answer;
    ::SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 5));
    ::SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(8, 5));
    EXPECT_EQ(LOWORD(::SendMessageW(arrows, UDM_GETPOS, 0, 0)), c.position) << c.name;
    EXPECT_EQ(form.Arrows.notifications, std::vector<UINT>{UDN_DELTAPOS}) << c.name;
    ASSERT_FALSE(form.Arrows.scrolls.empty()) << c.name;
    EXPECT_EQ(form.Arrows.scrolls.front(), (Scroll{SB_THUMBPOSITION, c.position})) << c.name;
  }
}

}  // namespace
