// The main menu's table: captions, the items they set up and their actions.
#include "melopad/mainwindow/MainMenu.h"

#include "melopad/mainwindow/Melopadfrm.h"

using toolkit::MenuEntry;
using toolkit::MenuSeparator;

std::vector<MenuEntry> MainMenuTable(TMelopadForm& form, const MainMenuActions& actions) {
  return {
      {"ファイル(&F)",
       &form.MnuFile,
       {},
       {},
       {
           {"新規作成(&N)", &form.MnuNew, actions.newMelody},
           {"alsファイルの読み込み(&O)...", &form.MnuLoadAls, actions.open},
           {"alsファイルに書き出し(&A)...", &form.MnuSaveAls, actions.save},
           MenuSeparator(&form.MnuFilePartition),
           {"終了(&X)", &form.MnuFileExit, actions.exit, toolkit::Shortcut{'X'}},
       }},
      {"オプション(&O)",
       &form.MnuOption,
       {},
       {},
       {
           {"メロディの名前を変更(&N)...", &form.MnuOptionSongName, actions.rename},
           {"分析...", &form.MnuOptionAnalize, actions.analize},
       }},
      {"ヘルプ(&H)",
       &form.MnuHelp,
       {},
       {},
       {
           {"ヘルプ(&T)", &form.MnuHelpHelp, actions.help},
           {"キーボード入力一覧...", &form.MnuKeyMap, actions.keyMap},
           {"Brightlark Onlineへアクセス", &form.MnuHelpHomepage, actions.homepage},
           MenuSeparator(&form.MnuHelpPartition),
           {"バージョン情報(&V)...", &form.MnuHelpVersion, actions.version},
       }},
  };
}
