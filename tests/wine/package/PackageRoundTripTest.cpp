// The release package from a user's side, with the real programs in their own
// processes: the unpacked package's Install.exe is clicked through twice into
// the same folder, the installed editor is started through its shortcut's
// target and through the ".als" association, and the uninstall command from
// the system's list removes it all again. Installed once more, the editor
// saves melodies into the install folder; the removal leaves just those, and
// they are deleted as the user would. The script around this program
// compares the whole Wine prefix before and after.
//
// It runs in the package folder given as its argument; the windows of the
// programs it starts are on its own hidden desktop, which they inherit.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/wine/install/RegistryValues.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowDriver.h"
#include "toolkit/Com.h"
#include "toolkit/CommandLine.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

using install_tests::TextValuesOf;
using testing_support::PollUntil;
using testing_support::ReadBytes;
using testing_support::TextOf;

constexpr ULONGLONG kProgramTimeoutMs = 30000;
const std::wstring kWizardCaption = L"Melopad セットアップ";
const std::wstring kUninstallCaption = L"Birchgate　アンインストール";
const std::wstring kInstallFolder = L"C:\\Program Files\\Melopad";
const std::wstring kNext = L"次へ(&N)";
const std::string kUninstallEntry =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Melopad";
// The user's own melodies, saved among the sample songs and beside the
// program, and what stays of the install folder with them.
const std::wstring kOwnMelodies[] = {kInstallFolder + L"\\songs\\mine.als",
                                     kInstallFolder + L"\\beside.als"};
const std::vector<std::wstring> kOwnMelodiesTree = {L"beside.als", L"songs", L"songs\\mine.als"};

using Bytes = std::vector<std::uint8_t>;

std::wstring PackageFolder() {
  const std::vector<std::wstring> arguments = toolkit::CommandLineArguments();
  return arguments.empty() ? std::wstring() : arguments.front();
}

// A program started as a user would start it, waited for at the end.
class Program {
 public:
  explicit Program(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &started)) {
      ::CloseHandle(started.hThread);
      process_.Reset(started.hProcess);
    }
  }
  explicit Program(HANDLE process) : process_(process) {}

  bool Started() const { return static_cast<bool>(process_); }
  // Whether the program ended in time with exit code 0.
  bool EndsCleanly() const {
    if (!process_ || ::WaitForSingleObject(process_.Get(), kProgramTimeoutMs) != WAIT_OBJECT_0) {
      return false;
    }
    DWORD code = 1;
    ::GetExitCodeProcess(process_.Get(), &code);
    return code == 0;
  }

 private:
  toolkit::UniqueKernelHandle process_;
};

HWND FindVisibleWindow(const std::wstring& caption) {
  struct Search {
    const std::wstring& caption;
    HWND found = nullptr;
  } search{caption};
  ::EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (::IsWindowVisible(window) && TextOf(window) == s.caption) s.found = window;
        return s.found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const std::wstring& caption) {
  HWND window = nullptr;
  PollUntil([&] { return (window = FindVisibleWindow(caption)) != nullptr; }, kProgramTimeoutMs);
  return window;
}

// The window's visible controls, in the system's order.
std::vector<HWND> VisibleControls(HWND window) {
  std::vector<HWND> controls;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        if (::IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  return controls;
}

// A visible, enabled control of the window with this text.
HWND FindControl(HWND window, const std::wstring& text) {
  for (HWND control : VisibleControls(window)) {
    if (::IsWindowEnabled(control) && TextOf(control) == text) return control;
  }
  return nullptr;
}

// Waits for the button and clicks it as its parent hears a click, posted,
// so that a question the click brings up never blocks this program.
bool Click(HWND window, const std::wstring& button) {
  HWND control = nullptr;
  if (!PollUntil([&] { return (control = FindControl(window, button)) != nullptr; },
                 kProgramTimeoutMs)) {
    ADD_FAILURE() << "no button " << toolkit::Narrow(button) << " in "
                  << toolkit::Narrow(TextOf(window));
    return false;
  }
  ::PostMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
  return true;
}

// The text of the visible edit field, asked of the control itself.
std::wstring EditText(HWND window) {
  wchar_t text[MAX_PATH] = {};
  for (HWND control : VisibleControls(window)) {
    wchar_t className[16] = {};
    ::GetClassNameW(control, className, 16);
    if (::lstrcmpiW(className, L"Edit") != 0) continue;
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(control, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 5000, &length);
    break;
  }
  return text;
}

// Every visible control's text, for a failure's message.
std::string VisibleTexts(HWND window) {
  std::wstring texts;
  for (HWND control : VisibleControls(window)) texts += L"[" + TextOf(control) + L"] ";
  return toolkit::Narrow(texts);
}

// Paths name the same file whatever the letter case, as on Windows.
bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Welcome, licence accepted, the proposed folder, the group and the desktop
// box as they are, and, on a first installation, the folder created.
void InstallThroughTheWizard(bool firstTime) {
  Program installer(L"\"" + PackageFolder() + L"\\Install.exe\"");
  ASSERT_TRUE(installer.Started());
  HWND wizard = WaitForWindow(kWizardCaption);
  ASSERT_NE(wizard, nullptr) << "no wizard window";
  ASSERT_TRUE(Click(wizard, kNext));
  ASSERT_TRUE(Click(wizard, L"同意する"));
  HWND folderLabel = nullptr;
  ASSERT_TRUE(PollUntil(
      [&] {
        // The folder field is filled once the search for an old version ends.
        return (folderLabel = FindControl(wizard, L"インストール先フォルダ(&F)")) != nullptr &&
               FindControl(wizard, kNext) != nullptr && !EditText(wizard).empty();
      },
      kProgramTimeoutMs))
      << "the folder page did not come";
  EXPECT_PRED2(SamePath, EditText(wizard), kInstallFolder)
      << (firstTime ? "not proposed under Program Files" : "the first installation not found");
  EXPECT_EQ(
      VisibleTexts(wizard).find(toolkit::Narrow(L"[新規インストールです]")) != std::string::npos,
      firstTime)
      << VisibleTexts(wizard);
  ASSERT_TRUE(Click(wizard, kNext));
  HWND desktopBox = nullptr;
  ASSERT_TRUE(PollUntil(
      [&] {
        return (desktopBox = FindControl(wizard, L"デスクトップにショートカットを作成する(&D)")) !=
               nullptr;
      },
      kProgramTimeoutMs));
  EXPECT_EQ(::SendMessageW(desktopBox, BM_GETCHECK, 0, 0), BST_CHECKED);
  ASSERT_TRUE(Click(wizard, kNext));
  if (firstTime) {
    HWND question = WaitForWindow(L"情報");
    ASSERT_NE(question, nullptr) << "not asked to create the folder";
    ASSERT_TRUE(Click(question, L"はい(&Y)"));
  }
  ASSERT_TRUE(Click(wizard, L"完了"));
  EXPECT_TRUE(installer.EndsCleanly());
}

std::wstring LinkTarget(const std::wstring& link) {
  toolkit::ComPtr<IShellLinkW> shellLink;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(shellLink.Put())))) {
    return {};
  }
  const auto file = shellLink.As<IPersistFile>();
  if (!file || FAILED(file->Load(link.c_str(), STGM_READ))) return {};
  wchar_t target[MAX_PATH] = {};
  shellLink->GetPath(target, MAX_PATH, nullptr, 0);
  return target;
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}

void ExpectInstalled() {
  const std::wstring package = PackageFolder();
  for (const wchar_t* file : {L"melopad.exe", L"alsconv.exe", L"melopad.html"}) {
    EXPECT_EQ(ReadBytes(kInstallFolder + L"\\" + file), ReadBytes(package + L"\\" + file));
  }
  for (const wchar_t* song : {L"choucho.als", L"kaeru.als", L"kirakira.als"}) {
    EXPECT_EQ(ReadBytes(kInstallFolder + L"\\songs\\" + song), ReadBytes(package + L"\\" + song));
  }
  EXPECT_TRUE(toolkit::FileExists(kInstallFolder + L"\\uninst.uis")) << "no uninstall record";

  const std::wstring group = ShellFolder(CSIDL_COMMON_PROGRAMS) + L"\\Melopad\\";
  EXPECT_PRED2(SamePath, LinkTarget(group + L"Melopad.lnk"), kInstallFolder + L"\\melopad.exe");
  EXPECT_PRED2(SamePath, LinkTarget(group + L"Melopad ヘルプ.lnk"),
               kInstallFolder + L"\\melopad.html");
  EXPECT_PRED2(SamePath, LinkTarget(ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + L"\\Melopad.lnk"),
               kInstallFolder + L"\\melopad.exe");

  EXPECT_EQ(TextValuesOf(HKEY_CLASSES_ROOT, ".als")[""], L"Melopad.Melody");
  EXPECT_PRED2(SamePath,
               TextValuesOf(HKEY_CLASSES_ROOT, "Melopad.Melody\\shell\\open\\command")[""],
               L"\"" + kInstallFolder + L"\\melopad.exe\" \"%1\"");
  auto entry = TextValuesOf(HKEY_LOCAL_MACHINE, kUninstallEntry);
  EXPECT_EQ(entry["DisplayName"], L"Melopad");
  EXPECT_EQ(entry["DisplayVersion"], L"1.0.0.0");
  EXPECT_EQ(entry["Publisher"], L"ひばり工房 Brightlark");
  EXPECT_PRED2(
      SamePath, entry["UnInstallString"],
      ShellFolder(CSIDL_WINDOWS) + L"\\install.exe \"" + kInstallFolder + L"\\uninst.uis\"");
}

// The editor shows the song's name as its caption once it has loaded it, and
// a close ends it at once, even while it plays.
void ExpectEditorShows(Program& editor, const std::wstring& songName) {
  HWND window = WaitForWindow(songName);
  ASSERT_NE(window, nullptr) << "the editor did not show " << toolkit::Narrow(songName);
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(editor.EndsCleanly());
}

void StartTheEditorThroughItsShortcut() {
  const std::wstring target =
      LinkTarget(ShellFolder(CSIDL_COMMON_PROGRAMS) + L"\\Melopad\\Melopad.lnk");
  Program editor(L"\"" + target + L"\" \"" + kInstallFolder + L"\\songs\\kirakira.als\"");
  ASSERT_TRUE(editor.Started());
  ExpectEditorShows(editor, L"きらきら星");
}

void OpenASongThroughTheAssociation() {
  const std::wstring song = kInstallFolder + L"\\songs\\kaeru.als";
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOCLOSEPROCESS;
  request.lpVerb = L"open";
  request.lpFile = song.c_str();
  request.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(::ShellExecuteExW(&request)) << "the association did not open the song";
  Program editor(request.hProcess);
  ExpectEditorShows(editor, L"かえるのうた");
}

// The editor plays the song it starts with in a modal window of its own; a
// click on that window stops it, and the editor takes commands again.
void StopThePlaying() {
  HWND playing = WaitForWindow(L"Playing");
  ASSERT_NE(playing, nullptr) << "the editor did not play its song";
  ::PostMessageW(playing, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ::PostMessageW(playing, WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(PollUntil([&] { return !::IsWindow(playing); }, kProgramTimeoutMs))
      << "the playing did not stop";
}

// "alsファイルに書き出し(&A)..." of the File menu, chosen with the keyboard:
// Wine keeps a menu's items in the process that made it, so no other process
// can read their command ids. The open menu is a window of the system's menu
// class. The save dialog gets the whole path; once the editor answers again
// after the dialog, it has written the file.
void SaveThroughTheEditor(HWND editor, const std::wstring& path) {
  ::PostMessageW(editor, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  ASSERT_TRUE(PollUntil([] { return ::IsWindowVisible(::FindWindowW(L"#32768", nullptr)); }))
      << "the File menu did not open";
  ::PostMessageW(editor, WM_CHAR, 'a', 0);
  HWND dialog = WaitForWindow(L"Alsファイルを保存する");
  ASSERT_NE(dialog, nullptr) << "no save dialog";
  ::SetDlgItemTextW(dialog, 0x47C, path.c_str());
  ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(
      PollUntil([&] { return !::IsWindow(dialog); }, kProgramTimeoutMs) &&
      ::SendMessageTimeoutW(editor, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kProgramTimeoutMs, nullptr))
      << "the editor did not save " << toolkit::Narrow(path);
}

// The installed editor, started with a sample song, saves it as the user's
// own melodies; what it wrote is kept for the end.
void SaveOwnMelodiesThroughTheEditor(std::vector<Bytes>& saved) {
  Program editor(L"\"" + kInstallFolder + L"\\melopad.exe\" \"" + kInstallFolder +
                 L"\\songs\\kirakira.als\"");
  ASSERT_TRUE(editor.Started());
  HWND window = WaitForWindow(L"きらきら星");
  ASSERT_NE(window, nullptr) << "the editor did not show its song";
  ASSERT_NO_FATAL_FAILURE(StopThePlaying());
  for (const std::wstring& melody : kOwnMelodies) {
    ASSERT_NO_FATAL_FAILURE(SaveThroughTheEditor(window, melody));
    saved.push_back(ReadBytes(melody));
  }
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(editor.EndsCleanly());
}

// Every file and folder below the folder, relative to it, sorted; none when
// the folder is gone.
std::vector<std::wstring> TreeBelow(const std::wstring& folder) {
  std::vector<std::wstring> tree;
  std::error_code missing;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, missing)) {
    tree.push_back(entry.path().lexically_relative(folder).wstring());
  }
  std::sort(tree.begin(), tree.end());
  return tree;
}

// Of the install folder only what is named is left, and the folder itself
// only with it.
void UninstallThroughTheSystemsCommand(const std::vector<std::wstring>& left) {
  const std::wstring command = TextValuesOf(HKEY_LOCAL_MACHINE, kUninstallEntry)["UnInstallString"];
  ASSERT_FALSE(command.empty());
  Program uninstaller(command);
  ASSERT_TRUE(uninstaller.Started());
  HWND wizard = WaitForWindow(kUninstallCaption);
  ASSERT_NE(wizard, nullptr) << "no uninstall window";
  // Next only once the wizard has taken up its record and says so, as a
  // user reads the page first: a click before that finds no removal to run.
  ASSERT_TRUE(PollUntil(
      [&] {
        return FindControl(wizard,
                           L"アンインストールを開始します。「次へ」をクリックしてください") !=
               nullptr;
      },
      kProgramTimeoutMs))
      << "the uninstall page did not come: " << VisibleTexts(wizard);
  ASSERT_TRUE(Click(wizard, kNext));
  ASSERT_TRUE(Click(wizard, L"完了"));
  EXPECT_TRUE(uninstaller.EndsCleanly());
  EXPECT_TRUE(TextValuesOf(HKEY_LOCAL_MACHINE, kUninstallEntry).empty());
  EXPECT_EQ(TreeBelow(kInstallFolder), left);
  EXPECT_EQ(toolkit::FolderExists(kInstallFolder), !left.empty());
}

// The removal keeps the user's melodies as the editor wrote them; the user
// then deletes them with the folders left for them.
void ExpectOwnMelodiesKeptAndDeleteThem(const std::vector<Bytes>& saved) {
  for (std::size_t i = 0; i < saved.size(); ++i) {
    EXPECT_EQ(ReadBytes(kOwnMelodies[i]), saved[i]) << toolkit::Narrow(kOwnMelodies[i]);
  }
  std::filesystem::remove_all(kInstallFolder);
}

TEST(ReleasePackage, InstallsTwiceRunsAndUninstallsAsAUserWould) {
  ASSERT_FALSE(PackageFolder().empty()) << "give the unpacked package's folder";
  const toolkit::ComInitialization com;
  ASSERT_NO_FATAL_FAILURE(InstallThroughTheWizard(true));
  ASSERT_NO_FATAL_FAILURE(InstallThroughTheWizard(false));
  ExpectInstalled();
  StartTheEditorThroughItsShortcut();
  OpenASongThroughTheAssociation();
  UninstallThroughTheSystemsCommand({});
  // The second installation found its folder there, so that removal deleted
  // only the package's files; a folder the installation made goes with all
  // it holds, but for the user's melodies.
  ASSERT_NO_FATAL_FAILURE(InstallThroughTheWizard(true));
  std::vector<Bytes> saved;
  ASSERT_NO_FATAL_FAILURE(SaveOwnMelodiesThroughTheEditor(saved));
  UninstallThroughTheSystemsCommand(kOwnMelodiesTree);
  ExpectOwnMelodiesKeptAndDeleteThem(saved);
}

}  // namespace
