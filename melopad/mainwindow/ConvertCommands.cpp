// Import and export: a tune of another format made the melody, fitted to the
// handset, and the melody written as MIDI, RTTTL or WAVE. What fitting had
// to change is told once the command is done.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/MidiFile.h"
#include "melopad/convert/Rtttl.h"
#include "melopad/convert/TuneFitting.h"
#include "melopad/convert/TuneFormat.h"
#include "melopad/convert/WavExport.h"
#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Trackchoicefrm.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The file's name without its extension, when code page 932 holds it
// exactly; empty otherwise, and the melody stays unnamed.
std::string SongNameOfFile(const std::wstring& path) {
  return toolkit::NarrowExactly(std::filesystem::path(path).stem().wstring()).value_or("");
}

int TracksWithNotes(const std::vector<melopad::MidiTrackInfo>& tracks) {
  int count = 0;
  for (const melopad::MidiTrackInfo& track : tracks) count += track.noteCount > 0 ? 1 : 0;
  return count;
}

void ShowFitReport(HWND owner, const melopad::FitReport& report, const char* heading) {
  if (report.Empty()) return;
  std::string text = heading;
  for (const std::string& line : report.Lines()) text += "\r\n" + line;
  toolkit::Application& application = toolkit::Application::Current();
  application.Prompts().ShowMessage(owner, {text, application.Title(), toolkit::MessageButtons::Ok,
                                            toolkit::MessageIcon::Information});
}

}  // namespace

void TMelopadForm::MnuImportClick() {
  if (!SaveChangesBeforeReplacing()) return;
  const std::optional<std::wstring> path =
      toolkit::Application::Current().Prompts().ChooseFileToOpen(Handle(), ImportDialog);
  if (!path) return;
  ImportTune(*path);
}

void TMelopadForm::MnuExportClick() {
  const std::optional<std::wstring> path =
      toolkit::Application::Current().Prompts().ChooseFileToSave(Handle(), ExportDialog);
  if (!path) return;
  ExportTune(*path);
}

// The source is read whole before the melody changes: a file that cannot be
// read, or a track question that is cancelled, leaves the melody as it was.
void TMelopadForm::ImportTune(const std::wstring& path) {
  std::error_code unknownSize;
  if (std::filesystem::file_size(path, unknownSize) > melopad::kLargestTuneFile && !unknownSize) {
    throw melopad::ConversionError("ファイルが大きすぎるため、インポートできません。");
  }
  const Bytes bytes = toolkit::ReadWholeFile(path);
  std::optional<melopad::SourceTune> source = ReadSourceTune(path, bytes);
  if (!source) return;
  if (source->name.empty()) source->name = SongNameOfFile(path);
  melopad::FitReport report;
  const melopad::HandsetTune tune = melopad::FitToHandset(*source, report);
  melopad::PutIntoMelody(tune, melody_);
  ShowMelodyOfNoFile();
  ShowFitReport(Handle(), report, "インポートしたメロディを、次のとおり合わせました。");
}

// A MIDI file by its extension or its header, anything else as RTTTL text.
// Of a MIDI file with several tracks of notes the user picks one.
std::optional<melopad::SourceTune> TMelopadForm::ReadSourceTune(const std::wstring& path,
                                                                const Bytes& bytes) {
  if (melopad::TuneFormatOf(path) != melopad::TuneFormat::kMidi &&
      !melopad::LooksLikeMidiFile(bytes)) {
    return melopad::ReadRtttl(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  const std::vector<melopad::MidiTrackInfo> tracks = melopad::ListMidiTracks(bytes);
  int track = melopad::DefaultMidiTrack(tracks);
  if (TracksWithNotes(tracks) > 1) {
    const std::optional<int> chosen = ChooseMidiTrack(tracks, track);
    if (!chosen) return std::nullopt;
    track = *chosen;
  }
  return melopad::ReadMidiTrack(bytes, track);
}

std::optional<int> TMelopadForm::AskMidiTrack(const std::vector<melopad::MidiTrackInfo>& tracks,
                                              int suggested) {
  TTrackChoiceForm question(Handle(), tracks, suggested);
  return question.Ask();
}

// The format goes by the extension, which the save dialog gives from the
// chosen filter when none is typed.
void TMelopadForm::ExportTune(const std::wstring& path) {
  const melopad::HandsetTune tune = melopad::HandsetTuneOf(melody_);
  melopad::FitReport report;
  Bytes bytes;
  switch (melopad::TuneFormatOf(path).value_or(melopad::TuneFormat::kAls)) {
    case melopad::TuneFormat::kMidi:
      bytes = melopad::WriteMidiFile(tune);
      break;
    case melopad::TuneFormat::kRtttl: {
      const std::string text = melopad::WriteRtttl(tune, report);
      bytes.assign(text.begin(), text.end());
      break;
    }
    case melopad::TuneFormat::kWav:
      bytes = melopad::WriteWavFile(tune);
      break;
    default:
      throw melopad::ConversionError(
          "エクスポートできるのは MIDI (.mid)、RTTTL (.txt、.rtttl)、WAVE (.wav) のファイルです");
  }
  toolkit::WriteWholeFile(path, bytes);
  ShowFitReport(Handle(), report, "エクスポートしたファイルでは、次のとおり変わりました。");
}
