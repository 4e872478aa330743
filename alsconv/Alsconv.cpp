#include "alsconv/Alsconv.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <system_error>
#include <type_traits>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/convert/ConversionError.h"
#include "melopad/convert/MidiFile.h"
#include "melopad/convert/Rtttl.h"
#include "melopad/convert/TuneFitting.h"
#include "melopad/convert/TuneFormat.h"
#include "melopad/convert/WavExport.h"
#include "melopad/model/Melody.h"

namespace alsconv {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

const char* const kUsage =
    "使い方: alsconv 入力 出力 [--track N] [--name 曲名]\n"
    "  形式はファイルの拡張子で決まります:\n"
    "    .als (PメールDXメロディ)  .mid .midi (MIDI)  .txt .rtttl (RTTTL)\n"
    "    .wav (WAVE、出力のみ)\n"
    "  --track N    MIDI ファイルから読むトラックの番号 (1 から数えます。\n"
    "               既定はドラム以外の音がある最初のトラック)\n"
    "  --name 曲名  出力する曲の名前\n"
    "  音域やテンポを合わせた内容は標準エラーに出ます。入力は上書きしません。\n"
    "  終了コード: 0 完了、1 ファイルを読めないか書けない、2 使い方の誤り\n";

using Format = melopad::TuneFormat;

struct Options {
  fs::path input;
  fs::path output;
  std::optional<int> track;  // counted from 1
  std::optional<std::string> name;
};

struct UsageError {
  std::string message;
};

std::optional<int> TrackNumber(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number >= 1 ? std::optional(number) : std::nullopt;
}

Options ParseArguments(const std::vector<Argument>& arguments) {
  Options options;
  std::vector<const Argument*> files;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Argument& argument = arguments[i];
    if (argument.text == "--track" || argument.text == "--name") {
      if (i + 1 == arguments.size()) throw UsageError{argument.text + " の後に値がありません。"};
      const Argument& value = arguments[++i];
      if (argument.text == "--track") {
        options.track = TrackNumber(value.text);
        if (!options.track) throw UsageError{"--track には 1 以上の番号を指定してください。"};
      } else if (!value.textExact || value.text.find('\xFD') != std::string::npos ||
                 value.text.find('\0') != std::string::npos) {
        throw UsageError{"曲名に Shift-JIS で書けない文字があります。"};
      } else {
        options.name = value.text;
      }
    } else if (argument.text.starts_with("-") && argument.text.size() > 1) {
      throw UsageError{"知らないオプションです: " + argument.text};
    } else {
      files.push_back(&argument);
    }
  }
  if (files.size() != 2) throw UsageError{"入力と出力のファイルを一つずつ指定してください。"};
  options.input = files[0]->path;
  options.output = files[1]->path;
  const auto input = melopad::TuneFormatOf(options.input);
  const auto output = melopad::TuneFormatOf(options.output);
  if (!input || input == Format::kWav) {
    throw UsageError{"入力の形式が分かりません: " + PathText(options.input)};
  }
  if (!output) throw UsageError{"出力の形式が分かりません: " + PathText(options.output)};
  if (options.track && input != Format::kMidi) {
    throw UsageError{"--track は MIDI ファイルの入力にだけ使えます。"};
  }
  std::error_code error;
  if (options.input == options.output ||
      (fs::exists(options.output, error) && fs::equivalent(options.input, options.output, error))) {
    throw UsageError{"出力が入力と同じファイルです。入力は上書きしません。"};
  }
  return options;
}

// A file that cannot be read or written, with the reason.
struct FileFailure {
  fs::path path;
  std::string why;
  bool reading;
};

Bytes ReadInput(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) throw FileFailure{path, "見つかりません。", true};
  if (fs::is_directory(status)) throw FileFailure{path, "フォルダーです。", true};
  const std::uintmax_t size = fs::file_size(path, error);
  if (!error && size > melopad::kLargestTuneFile) throw FileFailure{path, "大きすぎます。", true};
  std::ifstream file(path, std::ios::binary);
  Bytes bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!file.good() && !file.eof()) throw FileFailure{path, "読み込めません。", true};
  if (error || !file.is_open()) throw FileFailure{path, "開けません。", true};
  return bytes;
}

// Writes beside the output first and renames over it, so that the output is
// either the old file or the whole new one, never a part.
void WriteOutput(const fs::path& path, const Bytes& bytes) {
  std::error_code error;
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  if (!fs::is_directory(folder, error)) throw FileFailure{path, "フォルダーがありません。", false};
  std::random_device random;
  fs::path temporary = path;
  temporary += ".alsconv-" + std::to_string(random() % 1'000'000) + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      fs::remove(temporary, error);
      throw FileFailure{path, "書き込めません。", false};
    }
  }
  fs::rename(temporary, path, error);
  if (error) {
    fs::remove(temporary, error);
    throw FileFailure{path, "置き換えられません。", false};
  }
}

melopad::HandsetTune ReadTune(const Options& options, const Bytes& bytes,
                              melopad::FitReport& report, std::ostream& err) {
  switch (*melopad::TuneFormatOf(options.input)) {
    case Format::kAls: {
      melopad::Melody melody;
      try {
        if (melopad::DecodeAlsFile(bytes, melody).LoadIncomplete) {
          err << "長さの分からない音があり、前の音の長さで読みました。\n";
        }
      } catch (const std::runtime_error& error) {
        throw melopad::ConversionError(error.what());
      }
      return melopad::HandsetTuneOf(melody);
    }
    case Format::kMidi: {
      const int track = options.track ? *options.track - 1
                                      : melopad::DefaultMidiTrack(melopad::ListMidiTracks(bytes));
      return melopad::FitToHandset(melopad::ReadMidiTrack(bytes, track), report);
    }
    case Format::kRtttl: {
      const std::string text(bytes.begin(), bytes.end());
      return melopad::FitToHandset(melopad::ReadRtttl(text), report);
    }
    case Format::kWav:
      break;
  }
  throw melopad::ConversionError("この形式は読めません。");
}

Bytes WriteTune(Format format, const melopad::HandsetTune& tune, melopad::FitReport& report) {
  switch (format) {
    case Format::kAls: {
      melopad::Melody melody;
      melopad::PutIntoMelody(tune, melody);
      melody.SetSongName(melopad::SongNameToSave(melody));
      return melopad::EncodeAlsFile(melody);
    }
    case Format::kMidi:
      return melopad::WriteMidiFile(tune);
    case Format::kRtttl: {
      const std::string text = melopad::WriteRtttl(tune, report);
      return Bytes(text.begin(), text.end());
    }
    case Format::kWav:
      return melopad::WriteWavFile(tune);
  }
  return {};
}

}  // namespace

int Run(const std::vector<Argument>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() == 1 && (arguments[0].text == "--help" || arguments[0].text == "-h")) {
    out << kUsage;
    return kDone;
  }
  Options options;
  try {
    options = ParseArguments(arguments);
  } catch (const UsageError& error) {
    err << "alsconv: " << error.message << "\n" << kUsage;
    return kWrongUsage;
  }
  try {
    melopad::FitReport report;
    const Bytes input = ReadInput(options.input);
    melopad::HandsetTune tune;
    try {
      tune = ReadTune(options, input, report, err);
    } catch (const std::exception& error) {
      throw FileFailure{options.input, error.what(), true};
    }
    if (options.name) tune.name = *options.name;
    Bytes output;
    try {
      output = WriteTune(*melopad::TuneFormatOf(options.output), tune, report);
    } catch (const std::exception& error) {
      throw FileFailure{options.output, error.what(), false};
    }
    WriteOutput(options.output, output);
    for (const std::string& line : report.Lines()) err << line << "\n";
    return kDone;
  } catch (const FileFailure& failure) {
    err << "alsconv: " << PathText(failure.path)
        << (failure.reading ? " を読めません: " : " に書けません: ") << failure.why << "\n";
    return kFileFailed;
  }
}

}  // namespace alsconv
