#include "toolkit/PictureBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/Picture.h"
#include "tests/wine/support/PictureFiles.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Form.h"
#include "toolkit/PictureFile.h"

namespace {

using testing_support::kPictureRed;
using testing_support::Picture;

// Every picture is a red box of this size, shown in a control of 60 x 40.
constexpr int kWidth = 20;
constexpr int kHeight = 10;

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "picture";
  design.clientWidth = 100;
  design.clientHeight = 60;
  return design;
}

class PictureForm : public toolkit::Form {
 public:
  PictureForm() : Form(Design()) { PlaceControls({{Logo, {10, 10, 60, 40}}}); }
  toolkit::PictureBox Logo;
};

Picture DrawnBy(const toolkit::Window& control) {
  const toolkit::Rect size = control.ClientRect();
  return Picture(size.width, size.height, [&control](HDC dc) {
    ::SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

class PictureBoxTest : public testing_support::WindowTest {
 protected:
  testing_support::ScratchFolder folder;
  PictureForm form;
};

// The extension picks the kind, in any letter case.
TEST_F(PictureBoxTest, EachKindOfFileIsShownStretchedCentredOrAtTheCorner) {
  using testing_support::WriteBytes;
  const struct {
    const wchar_t* name;
    std::function<void(const std::wstring&)> write;
  } files[] = {
      {L"red.bmp", [](const auto& p) { WriteBytes(p, testing_support::RedBitmapFile(20, 10)); }},
      {L"red.ICO", [](const auto& p) { WriteBytes(p, testing_support::RedIconFile(20, 10)); }},
      {L"red.Wmf",
       [](const auto& p) {
         WriteBytes(p, testing_support::RedPlaceableMetafile({0, 0, 20, 10}, 96));
       }},
      {L"red.EMF", [](const auto& p) { testing_support::WriteRedEnhancedMetafile(p, 20, 10); }},
  };
  const struct {
    const char* name;
    bool stretch;
    bool center;
    RECT box;
  } layouts[] = {
      {"stretched and centred, as a new control is", true, true, {0, 0, 60, 40}},
      {"stretched", true, false, {0, 0, 60, 40}},
      {"centred", false, true, {20, 15, 40, 25}},
      {"at the corner", false, false, {0, 0, kWidth, kHeight}},
  };
  toolkit::PictureBox& logo = form.Logo;
  EXPECT_TRUE(logo.Stretch() && logo.Center());
  for (const auto& file : files) {
    const std::wstring path = folder.File(file.name);
    file.write(path);
    const std::string kind = toolkit::Narrow(file.name);
    logo.SetPicture(toolkit::LoadPictureFile(path));
    const SIZE size = logo.Picture()->Size();
    EXPECT_NEAR(size.cx, kWidth, 1) << kind;
    EXPECT_NEAR(size.cy, kHeight, 1) << kind;
    for (const auto& layout : layouts) {
      logo.SetStretch(layout.stretch);
      logo.SetCenter(layout.center);
      const RECT red = DrawnBy(logo).BoundsOf(kPictureRed);
      const std::string what = kind + ", " + layout.name;
      EXPECT_NEAR(red.left, layout.box.left, 1) << what;
      EXPECT_NEAR(red.top, layout.box.top, 1) << what;
      EXPECT_NEAR(red.right, layout.box.right, 1) << what;
      EXPECT_NEAR(red.bottom, layout.box.bottom, 1) << what;
    }
  }
}

TEST_F(PictureBoxTest, AMissingFileOrAnUnknownKindIsAnError) {
  const std::wstring missing = folder.File(L"nosuch.bmp");
  const std::wstring gif = folder.File(L"logo.gif");
  // A Korean extension, which code page 932 cannot hold.
  const std::wstring korean = folder.File(L"logo.\ud55c");
  for (const std::wstring& path : {gif, korean}) {
    testing_support::WriteBytes(path, testing_support::RedBitmapFile(2, 2));
  }
  const struct {
    const std::wstring& path;
    std::wstring message;
  } cases[] = {
      {missing, L"ファイル " + missing + L" は開けません"},
      {gif, L"拡張子 .gif の画像形式は処理できません"},
      {korean, L"拡張子 .\ud55c の画像形式は処理できません"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(testing_support::WideErrorMessageOf([&c] { toolkit::LoadPictureFile(c.path); }),
              c.message)
        << toolkit::Narrow(c.path);
  }
}

}  // namespace
