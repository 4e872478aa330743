#include "melopad/alsfile/AlsFile.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

const char* const kLoadIncompleteMessage =
    "大変遺憾ながら、Melopadのローダーは\n"
    "ファイルの解析ができませんでした。\n"
    "これはMelopadの仕様上の制限であり、\n"
    "あなたが読み込もうとしたファイルに異常が\n"
    "あったわけではないと思います。\n"
    "現在ローダーが理解できた部分のみロードさ\n"
    "れています。上書きで保存する際は再生に問\n"
    "題がないか確認をしてから行ってください。\n"
    "ちなみにこの失敗の原因は\n"
    "　・Melopadがサポートしないトーンを\n"
    "　　指定した\n"
    "　・タイがファイルに含まれていた(Melopad\n"
    "　　はタイをサポートしません)\n"
    "　・ファイルが壊れている\n"
    "などの原因が考えられます。\n"
    "中途半端な仕様ですみません。";

const char* const kReadErrorMessage = "ストリームからの読み込みエラー";
const char* const kUntitledSongName = "無題";

namespace {

constexpr std::uint8_t kFileMark = 0xE1;
constexpr std::uint8_t kNameStart = 0xF0;
constexpr std::uint8_t kNameEnd = 0xFD;  // never a Shift-JIS byte, so never inside a name
constexpr std::uint8_t kTempoMark = 0xF1;
constexpr std::uint8_t kContinuationMark = 0xA1;
constexpr std::uint8_t kEndMark = 0xFF;

// The first pair that would begin at this offset or later gets the
// continuation mark in front of it.
constexpr std::size_t kContinuationOffset = 249;

// The tempo is stored halved, so an odd tempo loses its last step.
constexpr int kTempoByteBase = 66;

std::uint8_t TempoByte(int tempo) {
  return static_cast<std::uint8_t>(tempo / 2 + kTempoByteBase);
}
int TempoOfByte(std::uint8_t tempoByte) {
  return 2 * (tempoByte - kTempoByteBase);
}

void AppendHeader(const Melody& melody, std::string_view songName,
                  std::vector<std::uint8_t>& bytes) {
  bytes.push_back(kFileMark);
  bytes.push_back(kNameStart);
  for (const char nameByte : songName) bytes.push_back(static_cast<std::uint8_t>(nameByte));
  bytes.push_back(kNameEnd);
  bytes.push_back(kTempoMark);
  bytes.push_back(TempoByte(melody.Tempo()));
}

void AppendPairs(const Melody& melody, std::vector<std::uint8_t>& bytes) {
  bool continuationWritten = false;
  for (const std::string& line : melody.Lines()) {
    if (!continuationWritten && bytes.size() >= kContinuationOffset) {
      bytes.push_back(kContinuationMark);
      continuationWritten = true;
    }
    const ScoreCodes codes = ParseScoreLine(line);
    bytes.push_back(static_cast<std::uint8_t>(codes.lengthCode));
    bytes.push_back(static_cast<std::uint8_t>(codes.pitchCode));
  }
}

// Hands out the file's bytes in order; reading past the end is the read error.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool AtEnd() const { return position_ >= bytes_.size(); }
  bool HasTwoLeft() const { return position_ + 1 < bytes_.size(); }

  std::uint8_t Next() {
    if (AtEnd()) throw std::runtime_error(kReadErrorMessage);
    return bytes_[position_++];
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Reads up to the name's end mark, dropping zero bytes. A file that ends
// inside the name still leaves the bytes read so far as the song name.
void ReadSongName(ByteReader& reader, Melody& melody) {
  std::string name;
  bool endFound = false;
  while (!endFound && !reader.AtEnd()) {
    const std::uint8_t nameByte = reader.Next();
    endFound = nameByte == kNameEnd;
    if (!endFound && nameByte != 0) name.push_back(static_cast<char>(nameByte));
  }
  melody.SetSongName(std::move(name));
  if (!endFound) throw std::runtime_error(kReadErrorMessage);
}

void InsertPitch(std::uint8_t pitchCode, Melody& melody) {
  if (pitchCode == kRestPitch) {
    melody.InsertScoreLine(melody.MakeRestLine());
  } else if (IsNotePitch(pitchCode)) {
    melody.InsertScoreLine(melody.MakeNoteLine(pitchCode));
  }
}

// Inserts one line per pair, up to the end byte or while two bytes are left (a
// single last byte is never read). Returns whether some length byte was not
// understood.
bool ReadPairs(ByteReader& reader, Melody& melody) {
  bool lengthNotUnderstood = false;
  while (reader.HasTwoLeft()) {
    std::uint8_t lengthByte = reader.Next();
    if (lengthByte == kEndMark) break;
    if (lengthByte == kContinuationMark) lengthByte = reader.Next();
    if (IsLengthCode(lengthByte)) {
      melody.SetSelectedLengthIndex(LengthIndexOf(lengthByte));
    } else {
      lengthNotUnderstood = true;
    }
    InsertPitch(reader.Next(), melody);
  }
  return lengthNotUnderstood;
}

// The file for the melody with the given song name in its header; where the
// continuation mark goes depends on the name's length.
std::vector<std::uint8_t> Encode(const Melody& melody, std::string_view songName) {
  std::vector<std::uint8_t> bytes;
  AppendHeader(melody, songName, bytes);
  AppendPairs(melody, bytes);
  bytes.push_back(kEndMark);
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> EncodeAlsFile(const Melody& melody) {
  return Encode(melody, melody.SongName());
}

std::string SongNameToSave(const Melody& melody) {
  return melody.SongName().empty() ? std::string(kUntitledSongName) : melody.SongName();
}

// Encodes rather than counts, so the size follows the writer whatever it
// comes to write.
std::size_t SavedAlsFileSize(const Melody& melody) {
  return Encode(melody, SongNameToSave(melody)).size();
}

// The observer hears of the new lines once, also when a read error ends the
// decoding with the lines read so far.
AlsLoadOutcome DecodeAlsFile(std::span<const std::uint8_t> bytes, Melody& melody) {
  const Melody::ChangeBatch batch(melody);
  melody.Clear();
  // A file that ends before its name leaves no name, not the one before.
  melody.SetSongName({});
  ByteReader reader(bytes);
  reader.Next();  // file mark, taken as it is
  // Name start mark, taken as it is; an end mark in its place means no name.
  if (reader.Next() != kNameEnd) ReadSongName(reader, melody);
  reader.Next();  // tempo mark, taken as it is
  melody.SetTempo(TempoOfByte(reader.Next()));
  AlsLoadOutcome outcome;
  outcome.LoadIncomplete = ReadPairs(reader, melody);
  melody.SetModified(false);
  return outcome;
}

}  // namespace melopad
