// How long the editor's main window takes with a long melody: opening a file
// of that many pairs; inserting, deleting, pasting and transposing in the
// middle and at the top, undoing and redoing each; starting a new melody;
// merging the rests of a long melody with the analysis window open, and
// undoing and redoing the merge.
// Every step is timed up to the window having painted what it changed. A
// benchmark, not a test: run it under Wine and read the figures.
//
//   score_list_window_benchmark [lines [merge-lines]]
//
// Both counts default to 100,000.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/model/Notes.h"
#include "melopad/playback/NoteSoundBank.h"
#include "melopad/windows/Analizefrm.h"
#include "melopad/windows/Songnamediag.h"
#include "melopad/windows/Versioninfofrm.h"
#include "toolkit/Application.h"
#include "toolkit/CommandLine.h"
#include "toolkit/Files.h"
#include "toolkit/Prompter.h"

namespace {

constexpr int kDefaultLines = 100'000;
constexpr int kEighth = 6;

// Picking a line sounds it; the benchmark times the window, not the sound.
class SilentSoundBank final : public NoteSoundBank {
 public:
  void StartNote(int) override {}
  void StopSound() override {}
  PlaybackClock& Clock() override { return clock_; }

 private:
  SystemPlaybackClock clock_;
};

double NowMilliseconds() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER now{};
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Runs the step, then lets the window handle and paint all it was sent.
double TimeStep(const char* name, HWND window, const std::function<void()>& step) {
  const double begin = NowMilliseconds();
  step();
  ::UpdateWindow(window);
  toolkit::Application::Current().ProcessMessages();
  const double elapsed = NowMilliseconds() - begin;
  std::printf("%-44s %10.1f ms\n", name, elapsed);
  std::fflush(stdout);
  return elapsed;
}

// Notes each followed by two eighth rests: a merge after every note.
melopad::Melody NotesWithTwoEighthRests(int lines) {
  melopad::Melody melody;
  melody.SetSongName("Benchmark");
  melody.SetSelectedLengthIndex(kEighth);
  for (int i = 0; i < lines; ++i) {
    melody.InsertScoreLine(i % 3 == 0
                               ? melody.MakeNoteLine(melopad::kLowestPitch + i % melopad::kKeyCount)
                               : melody.MakeRestLine());
  }
  return melody;
}

std::wstring WriteMelodyFile(const std::wstring& name, int lines) {
  wchar_t folder[MAX_PATH]{};
  ::GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + name;
  toolkit::WriteWholeFile(path, melopad::EncodeAlsFile(NotesWithTwoEighthRests(lines)));
  return path;
}

int CountArgument(const std::vector<std::wstring>& arguments, std::size_t index) {
  return arguments.size() > index ? std::stoi(arguments[index]) : kDefaultLines;
}

void Run(TMelopadForm& form, int lines, int mergeLines) {
  const HWND window = form.Handle();
  melopad::Melody& melody = form.Melody();
  const std::wstring file = WriteMelodyFile(L"benchmark-open.als", lines);
  const std::wstring mergeFile = WriteMelodyFile(L"benchmark-merge.als", mergeLines);
  std::printf("%d lines to open, %d to merge\n", lines, mergeLines);

  TimeStep("open", window, [&] { form.LoadAlsFile(file); });
  melody.SetSelectedIndex(melody.Count() / 2);
  TimeStep("insert a rest in the middle", window, [&] { form.PauseButtonClick(); });
  TimeStep("delete the line in the middle", window, [&] { form.DeleteButtonClick(); });
  TimeStep("undo the delete", window, [&] { form.MnuEditUndoClick(); });
  TimeStep("redo the delete", window, [&] { form.MnuEditRedoClick(); });
  melody.SetSelectedIndex(melody.Count() / 2);
  TimeStep("copy one line in the middle", window, [&] { form.MnuEditCopyClick(); });
  TimeStep("paste it after it", window, [&] { form.MnuEditPasteClick(); });
  TimeStep("undo the paste", window, [&] { form.MnuEditUndoClick(); });
  melody.SetSelectionRange(melody.Count() / 2, melody.Count() / 2 + 999);
  TimeStep("transpose 1,000 lines a semitone up", window, [&] { form.TransposeSelection(1); });
  TimeStep("undo the transposition", window, [&] { form.MnuEditUndoClick(); });
  TimeStep("redo the transposition", window, [&] { form.MnuEditRedoClick(); });
  melody.SetSelectedIndex(0);
  TimeStep("insert a rest at the top", window, [&] { form.PauseButtonClick(); });
  TimeStep("delete the line at the top", window, [&] { form.DeleteButtonClick(); });
  melody.SetModified(false);
  TimeStep("new", window, [&] { form.MnuNewClick(); });

  form.LoadAlsFile(mergeFile);
  ::UpdateWindow(window);
  TAnalizeForm analysis(window, melody);
  analysis.Show();
  TimeStep("merge rests", window, [&] { analysis.MergeButtonClick(); });
  std::printf("%d lines after merging\n", melody.Count());
  TimeStep("undo the merge", window, [&] { form.MnuEditUndoClick(); });
  TimeStep("redo the merge", window, [&] { form.MnuEditRedoClick(); });
  ::DeleteFileW(file.c_str());
  ::DeleteFileW(mergeFile.c_str());
}

}  // namespace

int main() {
  const std::vector<std::wstring> arguments = toolkit::CommandLineArguments();
  toolkit::SystemPrompter prompter;
  toolkit::Application application("Melopad", prompter);
  SilentSoundBank sounds;
  TSongNameDialog songName;
  TVersionInfoForm versionInfo;
  TMelopadForm form({songName, versionInfo, sounds});
  form.Show();
  application.ProcessMessages();
  Run(form, CountArgument(arguments, 0), CountArgument(arguments, 1));
  form.Melody().SetModified(false);
  return 0;
}
