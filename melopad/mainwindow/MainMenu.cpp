// The main menu's table: captions, the items they set up and their actions.
#include "melopad/mainwindow/MainMenu.h"

#include "melopad/mainwindow/Melopadfrm.h"
#include "toolkit/ImageStrip.h"

using toolkit::MenuEntry;
using toolkit::MenuSeparator;

std::vector<MenuEntry> MainMenuTable(TMelopadForm& form) {
  TMelopadForm* f = &form;
  return {
      {"ファイル(&F)",
       &form.MnuFile,
       {},
       {},
       {
           {"新規作成(&N)", &form.MnuNew, [f] { f->MnuNewClick(); }},
           {"alsファイルの読み込み(&O)...", &form.MnuLoadAls, [f] { f->MnuLoadAlsClick(); }},
           {"alsファイルに書き出し(&A)...", &form.MnuSaveAls, [f] { f->MnuSaveAlsClick(); }},
           {"インポート(&I)...", &form.MnuImport, [f] { f->MnuImportClick(); }},
           {"エクスポート(&E)...", &form.MnuExport, [f] { f->MnuExportClick(); }},
           MenuSeparator(&form.MnuFilePartition),
           {"終了(&X)", &form.MnuFileExit, [f] { f->MnuFileExitClick(); }, toolkit::Shortcut{'X'}},
       }},
      {"編集(&E)",
       &form.MnuEdit,
       {},
       {},
       {
           {"元に戻す(&U)", &form.MnuEditUndo, [f] { f->MnuEditUndoClick(); },
            toolkit::Shortcut{'Z'}},
           {"やり直し(&R)",
            &form.MnuEditRedo,
            [f] { f->MnuEditRedoClick(); },
            toolkit::Shortcut{'Y'},
            {},
            {toolkit::Shortcut{'Z', true}}},
           MenuSeparator(&form.MnuEditPartition0),
           {"切り取り(&T)", &form.MnuEditCut, [f] { f->MnuEditCutClick(); },
            toolkit::Shortcut{VK_DELETE, true, false}},
           {"コピー(&C)",
            &form.MnuEditCopy,
            [f] { f->MnuEditCopyClick(); },
            toolkit::Shortcut{'C'},
            {},
            {toolkit::Shortcut{VK_INSERT}}},
           {"貼り付け(&P)",
            &form.MnuEditPaste,
            [f] { f->MnuEditPasteClick(); },
            toolkit::Shortcut{'V'},
            {},
            {toolkit::Shortcut{VK_INSERT, true, false}}},
           MenuSeparator(&form.MnuEditPartition1),
           {"すべて選択(&A)", &form.MnuEditSelectAll, [f] { f->MnuEditSelectAllClick(); },
            toolkit::Shortcut{'A'}},
           MenuSeparator(&form.MnuEditPartition2),
           {"半音上げる", &form.MnuEditSemitoneUp, [f] { f->TransposeSelection(1); },
            toolkit::Shortcut{VK_UP}},
           {"半音下げる", &form.MnuEditSemitoneDown, [f] { f->TransposeSelection(-1); },
            toolkit::Shortcut{VK_DOWN}},
           {"オクターブ上げる", &form.MnuEditOctaveUp, [f] { f->TransposeSelection(12); },
            toolkit::Shortcut{VK_UP, true}},
           {"オクターブ下げる", &form.MnuEditOctaveDown, [f] { f->TransposeSelection(-12); },
            toolkit::Shortcut{VK_DOWN, true}},
       }},
      {"オプション(&O)",
       &form.MnuOption,
       {},
       {},
       {
           {"メロディの名前を変更(&N)...", &form.MnuOptionSongName,
            [f] { f->MnuOptionSongNameClick(); }},
           {"分析...", &form.MnuOptionAnalize, [f] { f->MnuOptionAnalizeClick(); }},
       }},
      {"ヘルプ(&H)",
       &form.MnuHelp,
       {},
       {},
       {
           {"ヘルプ(&T)", &form.MnuHelpHelp, [f] { f->MnuHelpHelpClick(); }},
           {"キーボード入力一覧...", &form.MnuKeyMap, [f] { f->MnuKeyMapClick(); }},
           {"Brightlark Onlineへアクセス", &form.MnuHelpHomepage,
            [f] { f->MnuHelpHomepageClick(); }},
           MenuSeparator(&form.MnuHelpPartition),
           {"バージョン情報(&V)...", &form.MnuHelpVersion, [f] { f->MnuHelpVersionClick(); }},
       }},
  };
}

// Which picture of the menu strip each entry shows.
void SetMainMenuImages(TMelopadForm& form) {
  const struct {
    toolkit::MenuItem TMelopadForm::*item;
    int image;
  } kImages[] = {
      {&TMelopadForm::MnuNew, 0},
      {&TMelopadForm::MnuLoadAls, 1},
      {&TMelopadForm::MnuSaveAls, 2},
      {&TMelopadForm::MnuFileExit, 3},
      {&TMelopadForm::MnuOptionSongName, 4},
      {&TMelopadForm::MnuHelpHelp, 5},
      {&TMelopadForm::MnuKeyMap, 6},
      {&TMelopadForm::MnuHelpHomepage, 7},
      {&TMelopadForm::MnuHelpVersion, 8},
      {&TMelopadForm::MnuOptionAnalize, 9},
  };
  const toolkit::ImageStrip iconList(L"MENUICONS", 20, 20);
  for (const auto& entry : kImages) (form.*entry.item).SetImage(iconList.AlphaBitmap(entry.image));
}
