// alsconv run on files in a fresh folder, as a user would run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "alsconv/Alsconv.h"
#include "alsconv/TerminalText.h"
#include "melopad/alsfile/AlsFile.h"
#include "melopad/convert/MidiFile.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class Alsconv : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        (std::string("alsconv-") + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    melopad::HandsetTune tune{"Song", 120, {{196, 39}, {198, 0}, {199, 74}, {199, 51}, {199, 52}}};
    Write("song.mid", melopad::WriteMidiFile(tune));
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path At(const std::string& name) const { return folder_ / name; }
  void Write(const std::string& name, const Bytes& bytes) const {
    std::ofstream(At(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  Bytes Read(const std::string& name) const {
    std::ifstream file(At(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  int Run(std::vector<std::string> words) {
    std::vector<alsconv::Argument> arguments;
    for (const std::string& word : words) {
      const bool isFile = word.find('.') != std::string::npos && !word.starts_with("-");
      arguments.push_back({isFile ? At(word) : fs::path(word), isFile ? At(word).string() : word});
    }
    std::ostringstream out;
    err_.str("");
    return alsconv::Run(arguments, out, err_);
  }

  fs::path folder_;
  std::ostringstream err_;
};

TEST_F(Alsconv, ConvertsBetweenTheFormatsAndReplacesAnOldOutput) {
  Write("song.als", {1, 2, 3});
  ASSERT_EQ(Run({"song.mid", "song.als", "--name", "かえる"}), alsconv::kDone) << err_.str();
  melopad::Melody melody;
  melopad::DecodeAlsFile(Read("song.als"), melody);
  EXPECT_EQ(melody.SongName(), "かえる");
  EXPECT_EQ(melody.Count(), 5);
  EXPECT_EQ(Run({"song.als", "song.wav"}), alsconv::kDone) << err_.str();
  EXPECT_EQ(Read("song.wav").size(), 44u + 2 * 8 * (480 + 240 + 3 * 150));
  EXPECT_EQ(Run({"song.als", "again.mid"}), alsconv::kDone) << err_.str();
  EXPECT_EQ(Read("again.mid"),
            melopad::WriteMidiFile(
                {"かえる", 120, {{196, 39}, {198, 0}, {199, 74}, {199, 51}, {199, 52}}}));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4)
      << "a temporary file was left";
}

TEST_F(Alsconv, ExitsWithOneForAFileItCannotReadOrWrite) {
  const struct {
    std::vector<std::string> words;
    const char* message;
  } cases[] = {
      {{"missing.mid", "out.als"}, "missing.mid を読めません: 見つかりません。"},
      {{"broken.mid", "out.als"}, "broken.mid を読めません: MIDI ファイルではありません。"},
      {{"song.mid", "out.als", "--track", "2"},
       "song.mid を読めません: MIDI ファイルにその番号のトラックはありません。"},
      {{"song.mid", "nowhere/out.als"}, "out.als に書けません: フォルダーがありません。"},
  };
  Write("broken.mid", {'M', 'T'});
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.words), alsconv::kFileFailed) << c.words[0];
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
  }
  EXPECT_FALSE(fs::exists(At("out.als")));
}

TEST_F(Alsconv, ExitsWithTwoAndTheUsageForWrongUsageAndNeverOverwritesItsInput) {
  const std::vector<std::string> cases[] = {
      {},
      {"song.mid"},
      {"song.mid", "out.als", "extra.als"},
      {"song.mid", "out.xyz"},
      {"song.wav", "out.als"},
      {"song.mid", "out.als", "--track"},
      {"song.mid", "out.als", "--track", "0"},
      {"song.mid", "out.als", "--tempo", "120"},
      {"song.mid", "song.mid"},
      {"song.mid", "./song.mid"},
  };
  const Bytes input = Read("song.mid");
  for (const auto& words : cases) {
    EXPECT_EQ(Run(words), alsconv::kWrongUsage) << testing::PrintToString(words);
    EXPECT_NE(err_.str().find("使い方: alsconv"), std::string::npos) << err_.str();
  }
  EXPECT_EQ(Read("song.mid"), input);
}

}  // namespace

// The terminal's UTF-8 and the converter's code page 932: a song name
// converts exactly or not at all; a message shows what cannot convert as "?".
TEST(TerminalText, NamesConvertExactlyAndMessagesShowWhatTheyCan) {
  const auto utf8 = [](const char8_t* text) {
    return std::string(reinterpret_cast<const char*>(text));
  };
  EXPECT_EQ(alsconv::ConvertExactly(utf8(u8"かえる"), "UTF-8", alsconv::kTextEncoding), "かえる");
  EXPECT_EQ(alsconv::ConvertExactly("\xC3\x85sa", "UTF-8", alsconv::kTextEncoding), std::nullopt);
  EXPECT_EQ(alsconv::ConvertExactly("\xFF", "UTF-8", alsconv::kTextEncoding), std::nullopt);
  EXPECT_EQ(alsconv::ConvertForDisplay("曲 Song", alsconv::kTextEncoding, "UTF-8"),
            utf8(u8"曲 Song"));
  EXPECT_EQ(alsconv::ConvertForDisplay("\xC3\x85/" + utf8(u8"かえる.mid"), "UTF-8",
                                       alsconv::kTextEncoding),
            "?"
            "?/かえる.mid");
}
