// The wizard window as it is designed: its size, the logo strip, the buttons
// and the five pages laid over each other, with their design texts.
#include <windows.h>

#include "install/MainForm/Mainform.h"
#include "toolkit/Font.h"
#include "toolkit/Image.h"

namespace {

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "Birchgate　アンインストール";
  design.clientWidth = 502;
  design.clientHeight = 294;
  design.border = toolkit::BorderStyle::Dialog;
  design.systemMenu = false;
  design.fontName = "ＭＳ Ｐゴシック";
  design.fontHeight = -12;
  return design;
}

constexpr toolkit::Rect kPage{112, 0, 385, 257};

}  // namespace

TfrmMainForm::TfrmMainForm(WizardServices services)
    : Form(Design()), services_(std::move(services)) {
  btnNext.SetDefault(true);
  btnCancel.SetCancel(true);
  PlaceWizardControls();
  EnableDialogNavigation();

  imgLogo.SetPicture(toolkit::LoadBitmapResource(L"LOGO"));
  imgLogo.SetStretch(true);
  imgLogo.SetCenter(true);
  lblLogo.SetBold(true);
  lblLogo.SetEnabled(false);
  btnRetry.SetVisible(false);

  StaticText4.SetFontColor(RGB(0, 0, 255));
  StaticText4.SetSunken(true);
  stSearchFile.SetBold(true);
  Label9.SetBold(true);
  lblFolder.SetShowAccelChar(true);
  statProgress.SetCentered(true);
  mmReadMe.SetReadOnly(true);
  readMeFont_ = toolkit::CreateUiFont("ＭＳ ゴシック", -12);
  mmReadMe.SetFont(readMeFont_.Get());

  for (toolkit::Window* hidden : std::initializer_list<toolkit::Window*>{
           &pnlReadMe, &pnlConfirmation, &pnlShortCut, &pnlDisposition, &lblLicense, &stSearchFile,
           &lblinstallFolder, &PrgAll, &statProgress}) {
    hidden->SetVisible(false);
  }
  PrgAll.SetRange(0, 0);

  BrowseDialog.Caption = "インストール先のフォルダを指定してください";
  BrowseDialog.Options = {install::biReturnOnlyFSDirs, install::biStatusText};

  btnNext.OnClick = [this] { btnNextClick(); };
  btnRetry.OnClick = [this] { btnRetryClick(); };
  btnCancel.OnClick = [this] { btnCancelClick(); };
  btnBrowseFolder.OnClick = [this] { btnBrowseFolderClick(); };
  edtFolderInput.OnChange = [this] { edtFolderInputChange(); };
}

void TfrmMainForm::PlaceWizardControls() {
  PlaceControls({
      {imgLogo, {8, 8, 97, 241}},
      {lblLogo, {8, 270, 97, 14}, "Birchgate"},
      {Bevel1, {8, 258, 486, 2}},
      {btnRetry, {252, 265, 78, 23}, "戻る(&R)"},
      {btnNext, {334, 265, 78, 23}, "次へ(&N)"},
      {btnCancel, {416, 265, 78, 23}, "キャンセル"},

      {pnlWelCome, kPage},
      {Mes1,
       {12, 16, 361, 64},
       "インストールウィザードへようこそ。このウィザードはアプリケーションソフトをインストール"
       "するお手伝いをするプログラムです。表示されるメッセージに従ってインストール作業を進めて"
       "ください。",
       &pnlWelCome},
      {Mes2,
       {12, 88, 361, 32},
       "「次へ」をクリックする前にすべてのアプリケーションを必ず終了させてください。",
       &pnlWelCome},
      {Mes3,
       {12, 128, 361, 48},
       "インストールを続ける場合は「次へ」のボタンをクリックしてください。インストールを途中で"
       "中止する場合は「キャンセル」ボタンをクリックしてください",
       &pnlWelCome},
      {StaticText4, {12, 196, 361, 48}, "", &pnlWelCome},

      {pnlReadMe, {0, 0, 505, 257}},
      {Label2,
       {8, 8, 489, 16},
       "お読みください (Page Downキーで続きを見ることができます)",
       &pnlReadMe},
      {mmReadMe, {8, 28, 489, 190}, "", &pnlReadMe},
      {lblLicense,
       {8, 224, 489, 30},
       "ライセンス契約に同意しますか。同意はない場合はソフトをインストールすることはできません。",
       &pnlReadMe},

      {pnlConfirmation, kPage},
      {statInstallFolder,
       {12, 16, 361, 80},
       "インストール先のフォルダを指定してください。変更したい場合は「...」ボタンをクリックして"
       "フォルダを指定するかまたは直接フォルダ名を入力してください。以下で指定したフォルダ内に"
       "さらにサブフォルダが作成される場合もあります",
       &pnlConfirmation},
      {lblFolder, {12, 108, 200, 14}, "インストール先フォルダ(&F)", &pnlConfirmation},
      {edtFolderInput, {12, 126, 330, 21}, "", &pnlConfirmation},
      {btnBrowseFolder, {346, 125, 27, 23}, "...", &pnlConfirmation},
      {lblDiskUse, {12, 156, 361, 14}, "必要容量", &pnlConfirmation},
      {stSearchFile,
       {12, 186, 361, 40},
       "インストールされている旧バージョンを検索しています。しばらくお待ちください。",
       &pnlConfirmation},

      {pnlShortCut, kPage},
      {Label4,
       {12, 16, 361, 80},
       "スタートメニューにショートカットを作成するグループを指定してください。リストから選択して"
       "既存のグループに追加することもできます。リストにない場合は直接グループ名を入力するとグル"
       "ープを新しく作成します",
       &pnlShortCut},
      {cmbGroupName, {12, 104, 361, 160}, "", &pnlShortCut},
      {CheckBox1, {12, 140, 361, 20}, "デスクトップにショートカットを作成する(&D)", &pnlShortCut},

      {pnlDisposition, kPage},
      {Label9,
       {12, 16, 361, 64},
       "現在インストール作業を行っています。作業が完了するまでしばらくの間お待ちください。",
       &pnlDisposition},
      {lblinstallFolder, {12, 92, 361, 40}, "", &pnlDisposition},
      {PrgAll, {12, 144, 361, 18}, "", &pnlDisposition},
      {statProgress,
       {12, 172, 361, 16},
       "ファイルのインストールを行っています。・・・",
       &pnlDisposition},
  });
}
