// Writing and loading the melody's file from the main window: the song name
// question, the file itself, and what the window shows afterwards.
#include <optional>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Songnamediag.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"

namespace {

// Hides the list while a load rebuilds it line by line, and shows it again
// however the load ends.
class HiddenWhileLoading {
 public:
  explicit HiddenWhileLoading(toolkit::Window& window) : window_(window) {
    window_.SetVisible(false);
  }
  HiddenWhileLoading(const HiddenWhileLoading&) = delete;
  HiddenWhileLoading& operator=(const HiddenWhileLoading&) = delete;
  ~HiddenWhileLoading() { window_.SetVisible(true); }

 private:
  toolkit::Window& window_;
};

}  // namespace

void TMelopadForm::AskSongNameIfMissing() {
  if (melody_.SongName().empty() && services_.songName.ShowModal() != toolkit::kModalNone) {
    melody_.SetSongName(services_.songName.NameEdit.Text());
  }
  if (melody_.SongName().empty()) melody_.SetSongName(melopad::SongNameToSave(melody_));
}

void TMelopadForm::WriteAlsFile(const std::wstring& path) {
  AskSongNameIfMissing();
  toolkit::WriteWholeFile(path, melopad::EncodeAlsFile(melody_));
  melody_.SetModified(false);
  history_.MarkSaved();
  SaveDialog.fileName = path;
}

// A melody that replaced the one shown but is held by no file (a rescued
// part of a damaged file, an import): changed, and saving it asks for a file.
void TMelopadForm::ShowMelodyOfNoFile() {
  ShowMelodySettings();
  SetText(melody_.SongName());
  SaveDialog.fileName.clear();
  melody_.SetModified(true);
  StartEditHistory(false);
}

void TMelopadForm::LoadAlsFile(const std::wstring& path) {
  // Read before anything changes: a file that cannot be opened must not cost
  // the melody on screen.
  const std::vector<std::uint8_t> bytes = toolkit::ReadWholeFile(path);
  melopad::AlsLoadOutcome outcome;
  {
    HiddenWhileLoading hidden(ScoreListBox);
    try {
      outcome = melopad::DecodeAlsFile(bytes, melody_);
    } catch (...) {
      // A load that ends early has still set the tempo it read, and keeps the
      // lines it read so that a damaged melody can be rescued. Those lines are
      // what no file holds: they are tied neither to the damaged file nor to
      // the one open before.
      ShowMelodyOfNoFile();
      throw;
    }
  }
  ShowMelodySettings();
  SetText(melody_.SongName());
  SaveDialog.fileName = path;
  StartEditHistory(!melody_.Modified());
  if (outcome.LoadIncomplete) {
    toolkit::Application& application = toolkit::Application::Current();
    application.Prompts().ShowMessage(Handle(),
                                      {melopad::kLoadIncompleteMessage, application.Title()});
  }
}
