// The editor's main window: the melody shown as its score list, the tool
// bar, the length buttons, the on-screen keyboard and the main menu.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "melopad/controls/WheelUpDown.h"
#include "melopad/convert/MidiFile.h"
#include "melopad/convert/Tune.h"
#include "melopad/mainwindow/KeyPanel.h"
#include "melopad/model/EditHistory.h"
#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/ImageStrip.h"
#include "toolkit/MemoryCanvas.h"
#include "toolkit/Menu.h"
#include "toolkit/OwnerDrawListBox.h"
#include "toolkit/Prompter.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"
#include "toolkit/ToolTip.h"

class NoteSoundBank;
class TSongNameDialog;
class TVersionInfoForm;

// What the main window works with besides its own parts: the windows that
// live as long as the application, and the note sound bank.
struct MelopadServices {
  TSongNameDialog& songName;
  TVersionInfoForm& versionInfo;
  NoteSoundBank& sounds;
};

class TMelopadForm : public toolkit::Form, private melopad::MelodyObserver {
 public:
  // The melody file named first on the command line, if any, is loaded.
  explicit TMelopadForm(MelopadServices services, std::wstring_view firstArgument = {});
  ~TMelopadForm() override;

  melopad::Melody& Melody() { return melody_; }
  const melopad::Melody& Melody() const { return melody_; }

  // Writes the melody to the file, asking for a song name first when it has
  // none; clears Modified and makes the file the melody's current one.
  void WriteAlsFile(const std::wstring& path);
  // Replaces the melody with the file's; a file that cannot be opened leaves
  // everything as it was.
  void LoadAlsFile(const std::wstring& path);

  // A character typed while the score list has the focus.
  void ScoreListBoxKeyPress(char key);
  // The hints shown over the key panels.
  const toolkit::ToolTip& KeyHints() const { return keyHints_; }

  // The editing and playing commands.
  void PlayButtonClick();
  void DiffPlayButtonClick();
  void DeleteButtonClick();
  void PauseButtonClick();
  void ScoreListBoxKeyDown(WPARAM key);
  void MnuOptionSongNameClick();
  void MnuOptionAnalizeClick();
  void MnuKeyMapClick();
  // Takes back the last change of the melody, or does again what was taken
  // back.
  void MnuEditUndoClick();
  void MnuEditRedoClick();
  void MnuEditSelectAllClick();
  // The selected lines onto the clipboard in the editor's format and as
  // text; cut deletes them after, in one step.
  void MnuEditCopyClick();
  void MnuEditCutClick();
  // The clipboard's lines after the selected line (at the top without one),
  // selected; text that is not notes inserts nothing and says which line.
  void MnuEditPasteClick();
  // Moves the selected notes by semitones (12 an octave).
  void TransposeSelection(int semitones);

  // The menu commands.
  void MnuNewClick();
  void MnuLoadAlsClick();
  void MnuImportClick();
  void MnuExportClick();
  // Import and export of one file, as the commands do after their dialogs.
  void ImportTune(const std::wstring& path);
  void ExportTune(const std::wstring& path);
  void MnuSaveAlsClick();
  void MnuFileExitClick();
  void MnuHelpHelpClick();
  void MnuHelpHomepageClick();
  void MnuHelpVersionClick();

  toolkit::Panel ToolBarPanel;
  toolkit::Panel ScorePanel;
  toolkit::Panel KeyboardPanel;
  toolkit::OwnerDrawListBox ScoreListBox;

  // The score list view: every row is drawn into RowCanvas and copied onto
  // the list. Tag holds the beats per bar the rows were last drawn with (0
  // before the first check); VisualTimer compares it once a second.
  toolkit::MemoryCanvas RowCanvas;
  int Tag = 0;
  toolkit::Timer VisualTimer;
  void ScoreListBoxDrawItem(const DRAWITEMSTRUCT& item);
  void VisualTimerTimer();

  // The tool bar: play, play from the selection, delete, insert a rest, and
  // the value controls, whose positions are the tempo and the beats per bar.
  toolkit::SpeedButton PlayButton;
  toolkit::SpeedButton DiffPlayButton;
  toolkit::SpeedButton DeleteButton;
  toolkit::SpeedButton PauseButton;
  toolkit::Label Label1;
  TWheelUpDown TempoUpDown;
  toolkit::Label HyoshiLabel;
  TWheelUpDown HyoushiUpDown;

  // The on-screen keyboard (key index order) and the length buttons with
  // their note pictures (length index order).
  std::array<TKeyPanel, melopad::kKeyCount> KeyPanels;
  std::array<toolkit::SpeedButton, melopad::kLengthCount> LengthButtons;
  std::array<toolkit::Image, melopad::kLengthCount> LengthImages;

  toolkit::MenuItem MnuFile, MnuNew, MnuLoadAls, MnuSaveAls, MnuImport, MnuExport, MnuFilePartition,
      MnuFileExit;
  toolkit::MenuItem MnuEdit, MnuEditUndo, MnuEditRedo, MnuEditPartition0, MnuEditCut, MnuEditCopy,
      MnuEditPaste, MnuEditPartition1, MnuEditSelectAll, MnuEditPartition2, MnuEditSemitoneUp,
      MnuEditSemitoneDown, MnuEditOctaveUp, MnuEditOctaveDown;
  toolkit::MenuItem MnuOption, MnuOptionSongName, MnuOptionAnalize;
  toolkit::MenuItem MnuHelp, MnuHelpHelp, MnuKeyMap, MnuHelpHomepage, MnuHelpPartition,
      MnuHelpVersion;
  toolkit::MenuBar MainMenu;

  toolkit::MenuItem pMnuPlay, N1, pMnuDelete;
  toolkit::PopupMenu PopupMenu;

  // The 14 note pictures, one per length index, 16 x 16.
  toolkit::ImageStrip NoteImageList{L"NOTEIMAGES", 16, 16};

  // The file dialogs' settings; SaveDialog's file name is the melody's file.
  toolkit::FileDialogSettings OpenDialog;
  toolkit::FileDialogSettings SaveDialog;
  toolkit::FileDialogSettings ImportDialog;
  toolkit::FileDialogSettings ExportDialog;
  // Which track of a MIDI file with several becomes the melody: numbered from
  // 0, none when the user cancels. Asks the user unless a test answers.
  std::function<std::optional<int>(const std::vector<melopad::MidiTrackInfo>&, int suggested)>
      ChooseMidiTrack;

 protected:
  bool FormCloseQuery() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Construct(std::wstring_view firstArgument);
  void PlaceRegions();
  void PlaceToolBar();
  // The up-down controls show the melody's tempo and beats per bar.
  void ShowMelodySettings();
  void LoadCommandLineMelody(std::wstring_view argument);
  void InstallAutoPlay();
  void AutoPlayOnIdle(bool& done);
  void AskSongNameIfMissing();
  std::optional<std::wstring> ExecuteSaveDialog();
  std::optional<std::wstring> ExecuteOpenDialog();
  bool SaveThroughDialog();
  bool SaveChangesBeforeReplacing();
  void ShowMelodyOfNoFile();
  std::optional<melopad::SourceTune> ReadSourceTune(const std::wstring& path,
                                                    const std::vector<std::uint8_t>& bytes);
  std::optional<int> AskMidiTrack(const std::vector<melopad::MidiTrackInfo>& tracks, int suggested);
  void ScoreListBoxClick();
  // The score list view's parts (ScoreListView.cpp).
  void SetUpScoreListView();
  void FitRowCanvas(HDC dc, int width);
  void DrawScoreRow(HDC dc, SIZE size, int row, bool selected);
  toolkit::UniqueFont scoreListFont_;
  toolkit::UniqueFont scoreRowFont_;
  void BuildKeyPanels();
  void BuildLengthButtons();
  toolkit::UniqueBitmap NotePicture(int lengthIndex) const;
  void SetCurrentLength(int lengthIndex);
  void ShowCurrentLength();
  void KeyPanelMouseDown(int keyIndex);
  void KeyPanelMouseUp(int keyIndex);
  void KeyPanelClick(int keyIndex);
  void PlayFrom(int startIndex);
  void FocusScoreList();
  // A change of the melody made as one step of its history.
  void AsEditStep(const std::function<void()>& change,
                  melopad::EditHistory::Kind kind = melopad::EditHistory::Kind::kChange);
  // The history starts anew, from a state saved or not.
  void StartEditHistory(bool saved);
  // After an undo or redo: the caption and the value controls show the
  // melody's, and the menu what can be undone and redone.
  void ShowUndoneState();
  void UpdateEditMenu();
  static UINT ScoreLinesFormat();
  // The lines of the selection, none without one.
  std::span<const std::string> SelectedLines() const;

  // The score list follows every change of the melody.
  void LinesChanged(int first) override;
  void SelectionChanged(int index) override;

  MelopadServices services_;
  toolkit::UniqueFont toolBarLabelFont_;
  toolkit::UniqueFont toolBarButtonFont_;
  toolkit::UniqueFont keyPanelFont_;
  toolkit::UniqueFont lengthButtonFont_;
  toolkit::ToolTip keyHints_;
  melopad::Melody melody_;
  melopad::EditHistory history_{melody_};
  bool autoPlayInstalled_ = false;
  // Whether the list shows a range of lines selected.
  bool rangeShown_ = false;
};
