#include "melopad/windows/Versioninfofrm.h"

#include "melopad/windows/Myfunc.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "バージョン情報";
  design.clientWidth = 353;
  design.clientHeight = 124;
  design.border = toolkit::BorderStyle::Dialog;
  design.color = kWhite;
  return design;
}

const char* const kAboutLines[] = {
    "Melopad",        "2000/11/10版", "", "ソフト製作：ひばり工房", "melopad@brightlark.example",
    kHomepageAddress,
};

}  // namespace

TVersionInfoForm::TVersionInfoForm(HWND owner) : Form(Design(), owner) {
  ListBox1.SetBorderless(true);
  ListBox1.SetTabStop(false);
  PlaceControls({
      {Image1, {0, 0, 137, 105}},
      {WebButton, {0, 104, 137, 17}},
      {ListBox1, {168, 16, 161, 89}},
  });
  Image1.SetPicture(toolkit::LoadBitmapResource(L"VERSIONPICTURE"));
  WebButton.SetCaption("ホームページにアクセス");
  WebButton.SetColor(kWhite);
  WebButton.SetFontColor(kNavy);
  WebButton.SetFontShadow(kWhite);
  WebButton.SetBorderWidth(0);
  WebButton.OnClick = [this] { WebButtonClick(); };
  ListBox1.SetItemHeight(12);
  for (const char* line : kAboutLines) ListBox1.Add(line);
  EnableDialogNavigation();
}

void TVersionInfoForm::MakeSplash() {
  SetBorderless();
  WebButton.SetVisible(false);
  const toolkit::Rect client = ClientRect();
  const int buttonHeight = 17;
  SetClientSize(client.width, client.height - buttonHeight - 20);
}

void TVersionInfoForm::WebButtonClick() {
  OpenHomepage();
}
