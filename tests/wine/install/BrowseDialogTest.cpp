#include "install/BrowsDlg/BrowsDlg.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowDriver.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Form.h"

namespace {

using install::TBrowseDialog;
using install::TOKButtonState;
using testing_support::TextOf;

class BrowseDialogTest : public testing_support::WindowTest {
 protected:
  TBrowseDialog dialog;
};

// Every option appears in one of the steps.
TEST_F(BrowseDialogTest, AChosenFolderBecomesTheDirectoryAndCancellingKeepsIt) {
  using namespace install;
  EXPECT_EQ(dialog.Options, TBrowseOptions{biReturnOnlyFSDirs}) << "by default";
  dialog.Directory = L"C:\\Program Files\\";
  dialog.Caption = "インストール先を選んでください";
  dialog.Root = L"C:\\";
  // A folder whose name code page 932 cannot hold.
  const std::wstring chosen = L"D:\\\ud55c\uad6d";
  const struct {
    TBrowseOptions options;
    UINT flags;
    std::optional<std::wstring> answer;
    bool confirmed;
    std::wstring initialFolder;
    std::wstring directory;
  } steps[] = {
      {{biReturnOnlyFSDirs}, BIF_RETURNONLYFSDIRS, chosen, true, L"C:\\Program Files\\", chosen},
      {{biBrowseForComputer, biDontGoBelowDomain},
       BIF_BROWSEFORCOMPUTER | BIF_DONTGOBELOWDOMAIN,
       std::nullopt,
       false,
       chosen,
       chosen},
      // An item without a path, such as a printer.
      {{biBrowseForPrinter, biReturnFSAncestors, biStatusText},
       BIF_BROWSEFORPRINTER | BIF_RETURNFSANCESTORS | BIF_STATUSTEXT,
       L"",
       true,
       chosen,
       L""},
  };
  for (const auto& step : steps) {
    dialog.Options = step.options;
    prompter.WillChooseFolder(step.answer);
    EXPECT_EQ(dialog.Execute(nullptr), step.confirmed);
    EXPECT_EQ(dialog.Directory, step.directory);
    const toolkit::FolderBrowseRequest& request = prompter.Asked().back().folder;
    EXPECT_EQ(request.initialFolder, step.initialFolder) << "carried over";
    EXPECT_EQ(request.flags, step.flags);
    EXPECT_EQ(request.caption, "インストール先を選んでください");
    EXPECT_EQ(request.root, L"C:\\");
    EXPECT_FALSE(request.onInitialized) << "no handler given";
  }
}

// The system's folder browser, worked from a thread of its own: a "#32770"
// dialog with OK as control 1, the caption in control 0x3742 and the status
// text in control 0x3743.
std::wstring StatusOf(HWND browser) {
  return TextOf(::GetDlgItem(browser, 0x3743));
}

bool OkEnabled(HWND browser) {
  return ::IsWindowEnabled(::GetDlgItem(browser, IDOK)) != FALSE;
}

toolkit::FormDesign OwnerDesign() {
  toolkit::FormDesign design;
  design.caption = "インストール";
  design.clientWidth = 200;
  design.clientHeight = 100;
  return design;
}

TEST_F(BrowseDialogTest, TheSystemsBrowserStartsAtTheDirectoryAndReturnsTheChosenFolder) {
  toolkit::SystemPrompter system;
  application.SetPrompter(system);
  // Wine's browser finds the folder to select by item IDs that hold each
  // folder's last access time, which the first listing of a new folder moves
  // (the disk is mounted relatime). So the new folders are listed once first,
  // and they are not among the temporary files, which other programs change.
  testing_support::ScratchFolder folder(L"C:\\");
  const std::wstring first = folder.File(L"インストール先");
  const std::wstring second = folder.File(L"\ud55c\uad6d");
  for (const std::wstring& path : {first, second}) ::CreateDirectoryW(path.c_str(), nullptr);
  for (const std::wstring& path : {folder.Path(), first, second}) {
    WIN32_FIND_DATAW entry{};
    const toolkit::UniqueFindHandle listing(::FindFirstFileW((path + L"\\*").c_str(), &entry));
  }
  toolkit::Form owner(OwnerDesign());
  owner.Show();
  ::SetActiveWindow(owner.Handle());
  dialog.Caption = "インストール先を選んでください";
  dialog.Options = {install::biReturnOnlyFSDirs, install::biStatusText};
  std::vector<std::wstring> initialized;
  std::vector<std::wstring> selected;
  std::atomic<bool> initializedNow = false;

  // A drive's root keeps its backslash; the handler's text shows and its
  // disabled OK button stays disabled; cancelling keeps the directory.
  dialog.OnInitialized = [&](TBrowseDialog&, HWND, const std::wstring& path, std::string& showText,
                             TOKButtonState& okButtonState) {
    initialized.push_back(path);
    showText = "フォルダを選んでください";
    okButtonState = install::okbDisabled;
  };
  dialog.OnSelectionChanged = [&](TBrowseDialog&, HWND, const std::wstring& path, std::string&,
                                  TOKButtonState&) { selected.push_back(path); };
  dialog.Directory = L"C:\\";
  bool shownStatus = false;
  bool okEnabledThen = true;
  bool ownerEnabledThen = true;
  std::wstring title;
  testing_support::WindowDriver cancelling(testing_support::IsDialog, [&](HWND browser) {
    shownStatus = testing_support::PollUntil(
        [&] { return StatusOf(browser) == L"フォルダを選んでください"; });
    title = TextOf(::GetDlgItem(browser, 0x3742));
    okEnabledThen = OkEnabled(browser);
    ownerEnabledThen = owner.Enabled();
    ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(dialog.Execute(owner.Handle()));
  ASSERT_TRUE(cancelling.Acted()) << "no browser came up";
  EXPECT_EQ(dialog.Directory, L"C:\\");
  EXPECT_EQ(initialized, std::vector<std::wstring>{L"C:\\"});
  EXPECT_NE(std::find(selected.begin(), selected.end(), L"C:\\"), selected.end());
  EXPECT_TRUE(shownStatus) << "the handler's status text was not shown";
  EXPECT_EQ(title, L"インストール先を選んでください");
  EXPECT_FALSE(okEnabledThen) << "the handler disabled the OK button";
  EXPECT_FALSE(ownerEnabledThen) << "the program's window stayed enabled";
  EXPECT_TRUE(owner.Enabled());
  EXPECT_EQ(::GetActiveWindow(), owner.Handle());

  // A longer folder loses its final backslash. The selection's status text
  // is cleared by the initialisation, which gives none. The user picks
  // another folder, which the selection handler allows, and confirms it.
  // The driver starts once the initialisation is over.
  initialized.clear();
  selected.clear();
  dialog.OnInitialized = [&](TBrowseDialog&, HWND, const std::wstring& path, std::string&,
                             TOKButtonState&) {
    initialized.push_back(path);
    initializedNow = true;
  };
  dialog.OnSelectionChanged = [&](TBrowseDialog& sender, HWND, const std::wstring& path,
                                  std::string& showText, TOKButtonState& okButtonState) {
    EXPECT_EQ(&sender, &dialog);
    EXPECT_EQ(okButtonState, install::okbNoChange) << "each call starts unchanged";
    selected.push_back(path);
    showText = "選択中";
    okButtonState = path == second ? install::okbEnabled : install::okbDisabled;
  };
  dialog.Directory = first + L"\\";
  bool statusCleared = false;
  bool enabledForSecond = false;
  testing_support::WindowDriver choosing(testing_support::IsDialog, [&](HWND browser) {
    testing_support::PollUntil([&] { return initializedNow.load(); });
    statusCleared = testing_support::PollUntil([&] { return StatusOf(browser).empty(); });
    ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(second.c_str()));
    enabledForSecond = testing_support::PollUntil([&] { return OkEnabled(browser); });
    ::PostMessageW(::GetDlgItem(browser, IDOK), BM_CLICK, 0, 0);
  });
  EXPECT_TRUE(dialog.Execute(owner.Handle()));
  ASSERT_TRUE(choosing.Acted()) << "no browser came up";
  EXPECT_EQ(initialized, std::vector<std::wstring>{first});
  EXPECT_NE(std::find(selected.begin(), selected.end(), first), selected.end());
  EXPECT_TRUE(statusCleared) << "the selection's status text stayed";
  EXPECT_TRUE(enabledForSecond) << "the handler's enabled OK button";
  EXPECT_EQ(dialog.Directory, second);
}

}  // namespace
