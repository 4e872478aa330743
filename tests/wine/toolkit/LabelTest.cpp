#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/wine/support/Picture.h"
#include "tests/wine/support/WindowPlaces.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace {

using testing_support::Picture;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr toolkit::Rect kBounds{10, 10, 60, 50};
// Solid glyphs, found by their exact colour whatever the font's smoothing.
// Eight of them, or the two words, are wider than the label.
constexpr char kOne[] = "■";
constexpr char kEight[] = "■■■■■■■■";
constexpr char kWords[] = "■■ ■■■";

using Options = std::function<void(toolkit::Label&)>;

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "label";
  design.clientWidth = 100;
  design.clientHeight = 80;
  return design;
}

// A label whose options are set before its window is made or after.
class LabelForm : public toolkit::Form {
 public:
  LabelForm(const Options& options, bool before, std::string_view text) : Form(Design()) {
    if (before) options(Label);
    PlaceControls({{Label, kBounds, text}});
    if (!before) options(Label);
  }
  toolkit::Label Label;
};

// The lines of text: the boxes of runs of rows that hold the colour.
std::vector<RECT> LinesOf(const Picture& look, COLORREF ink) {
  std::vector<RECT> lines;
  for (int y = 0; y < look.Height(); ++y) {
    const RECT row{0, y, look.Width(), y + 1};
    if (!look.Has(ink, row)) continue;
    if (lines.empty() || lines.back().bottom < y) lines.push_back({look.Width(), y, 0, y});
    for (int x = 0; x < look.Width(); ++x) {
      if (look.At(x, y) != ink) continue;
      lines.back() = {std::min<LONG>(lines.back().left, x), lines.back().top,
                      std::max<LONG>(lines.back().right, x + 1), y + 1};
    }
  }
  return lines;
}

class LabelTest : public testing_support::WindowTest {
 protected:
  // The label's whole window, frame included, as it is on screen.
  Picture Shown(LabelForm& form) {
    form.Show();
    EXPECT_TRUE(PumpUntil([&form] {
      return !::GetUpdateRect(form.Handle(), nullptr, FALSE) &&
             !::GetUpdateRect(form.Label.Handle(), nullptr, FALSE);
    }));
    return Picture::OnScreen(form.Handle(), testing_support::PlaceInParent(form.Label));
  }
};

TEST_F(LabelTest, OptionsShowTheSameSetBeforeOrAfterTheWindowIsMade) {
  const COLORREF ink = ::GetSysColor(COLOR_WINDOWTEXT);
  const int right = kBounds.width - 1;
  const int bottom = kBounds.height - 1;
  const struct {
    const char* name;
    const char* text;
    Options options;
    std::function<void(const Picture&, const std::vector<RECT>& lines)> check;
  } cases[] = {
      {"Japanese text wraps between characters", kEight, [](toolkit::Label&) {},
       [](const Picture&, const auto& lines) { EXPECT_EQ(lines.size(), 2U); }},
      {"words wrap at the space", kWords, [](toolkit::Label&) {},
       [](const Picture&, const auto& lines) {
         ASSERT_EQ(lines.size(), 2U);
         EXPECT_LT(lines[0].right, lines[1].right) << "the second word was broken";
       }},
      {"no word wrap: cut at the edge", kEight, [](toolkit::Label& l) { l.SetWordWrap(false); },
       [](const Picture&, const auto& lines) {
         ASSERT_EQ(lines.size(), 1U);
         EXPECT_GE(lines[0].right, kBounds.width - 4);
       }},
      {"a lone CR breaks the line", "■\r■", [](toolkit::Label& l) { l.SetWordWrap(false); },
       [](const Picture&, const auto& lines) {
         ASSERT_EQ(lines.size(), 2U);
         EXPECT_EQ(lines[0].left, lines[1].left);
       }},
      {"centred", kOne, [](toolkit::Label& l) { l.SetCentered(true); },
       [](const Picture&, const auto& lines) {
         EXPECT_NEAR((lines.at(0).left + lines.at(0).right) / 2, kBounds.width / 2, 1);
       }},
      {"colours", kOne,
       [](toolkit::Label& l) {
         l.SetColor(kBlue);
         l.SetFontColor(kRed);
       },
       [&](const Picture& look, const auto&) {
         EXPECT_TRUE(look.Has(kRed)) << "text colour";
         EXPECT_EQ(look.At(right, bottom), kBlue) << "background";
       }},
      {"sunken", kOne, [](toolkit::Label& l) { l.SetSunken(true); },
       [&](const Picture& look, const auto&) {
         EXPECT_EQ(look.At(right / 2, 0), ::GetSysColor(COLOR_BTNSHADOW));
         EXPECT_EQ(look.At(0, bottom / 2), ::GetSysColor(COLOR_BTNSHADOW));
         EXPECT_EQ(look.At(right / 2, bottom), ::GetSysColor(COLOR_BTNHIGHLIGHT));
         EXPECT_EQ(look.At(right / 2, bottom - 5), ::GetSysColor(COLOR_BTNFACE));
       }},
  };
  for (const auto& c : cases) {
    for (const bool before : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (before ? ", set before" : ", set after"));
      LabelForm form(c.options, before, c.text);
      const Picture look = Shown(form);
      c.check(look, LinesOf(look, ink));
    }
  }
}

TEST_F(LabelTest, ADisabledLabelIsGreyedAsADisabledStaticIs) {
  LabelForm form([](toolkit::Label& l) { l.SetFontColor(kRed); }, true, kOne);
  const toolkit::UniqueWindow system(
      ::CreateWindowExW(0, L"STATIC", L"\u25A0", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 62, 60, 16,
                        form.Handle(), nullptr, nullptr, nullptr));
  ::SendMessageW(system.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
  form.Label.SetEnabled(false);
  ::EnableWindow(system.Get(), FALSE);
  // The middle of the solid glyph.
  const auto inkOf = [](const Picture& look) {
    const RECT glyph =
        look.BoundsWhere([](COLORREF c) { return c != ::GetSysColor(COLOR_BTNFACE); });
    return look.At((glyph.left + glyph.right) / 2, (glyph.top + glyph.bottom) / 2);
  };
  const COLORREF greyed = inkOf(Shown(form));
  EXPECT_EQ(greyed, inkOf(Picture::Printed(system.Get())));
  EXPECT_NE(greyed, ::GetSysColor(COLOR_BTNFACE)) << "no text drawn";
  EXPECT_NE(greyed, kRed) << "not greyed";
}

TEST_F(LabelTest, ABoldLabelOwnsABoldVariantOfTheFormsFont) {
  const auto description = [](HFONT font) {
    LOGFONTW result{};
    ::GetObjectW(font, sizeof result, &result);
    return result;
  };
  for (const bool before : {true, false}) {
    HFONT bold = nullptr;
    {
      LabelForm form([](toolkit::Label& l) { l.SetBold(true); }, before, kOne);
      const auto fontOf = [&form] {
        return reinterpret_cast<HFONT>(::SendMessageW(form.Label.Handle(), WM_GETFONT, 0, 0));
      };
      bold = fontOf();
      const LOGFONTW formFont = description(form.Font());
      EXPECT_EQ(description(bold).lfWeight, FW_BOLD);
      EXPECT_EQ(description(bold).lfHeight, formFont.lfHeight);
      EXPECT_EQ(std::wstring(description(bold).lfFaceName), formFont.lfFaceName);
      form.Label.SetBold(false);
      EXPECT_EQ(fontOf(), form.Font()) << "plain again";
      EXPECT_EQ(::GetObjectType(bold), 0U) << "the old bold font was kept";
      form.Label.SetBold(true);
      bold = fontOf();
    }
    EXPECT_EQ(::GetObjectType(bold), 0U) << "the bold font outlived its label";
  }
}

}  // namespace
