// The tone samples inside the built program, as the sound service finds them.
#include "melopad/playback/NoteSoundBank.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <mmsystem.h>

#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.rfind(L'\\') + 1) + L"melopad.exe";
}

TEST(NoteSoundBank, SampleNamesAreTheCodeInUpperCaseHex) {
  const struct {
    int pitch;
    const char* name;
  } cases[] = {{39, "SND27"}, {55, "SND37"}, {74, "SND4A"}, {0, "SND00"}, {255, "SNDFF"}};
  for (const auto& c : cases) EXPECT_EQ(SampleName(c.pitch), c.name) << c.pitch;
}

TEST(NoteSoundBank, TheProgramCarriesAWaveSampleForEveryKey) {
  toolkit::UniqueModule program(
      ::LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(program) << "melopad.exe not found beside the tests";
  for (int pitch = 39; pitch <= 74; ++pitch) {
    const std::wstring name = toolkit::Widen(SampleName(pitch));
    HRSRC resource = ::FindResourceW(program.Get(), name.c_str(), L"WAVE");
    ASSERT_NE(resource, nullptr) << SampleName(pitch);
    const auto* bytes =
        static_cast<const unsigned char*>(::LockResource(::LoadResource(program.Get(), resource)));
    const DWORD size = ::SizeofResource(program.Get(), resource);
    ASSERT_GT(size, 46u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 4), "RIFF");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes) + 8, 4), "WAVE");
    const DWORD riffSize =
        bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<DWORD>(bytes[7]) << 24;
    EXPECT_EQ(riffSize + 8, size) << SampleName(pitch);
  }
}

TEST(NoteSoundBank, TheSoundServiceFindsEverySampleAndNoneForARest) {
  // Played to the end, so the answer says whether the sample was found and
  // played. The tests carry the same resources as the program; the test
  // prefix's sound device writes to a file.
  ASSERT_GT(::waveOutGetNumDevs(), 0u) << "no sound device in the test prefix";
  HMODULE self = ::GetModuleHandleW(nullptr);
  constexpr DWORD kPlayWhole = SND_RESOURCE | SND_SYNC | SND_NODEFAULT;
  for (int pitch = 39; pitch <= 74; ++pitch) {
    const std::wstring name = toolkit::Widen(SampleName(pitch));
    EXPECT_TRUE(::PlaySoundW(name.c_str(), self, kPlayWhole)) << SampleName(pitch);
  }
  EXPECT_FALSE(::PlaySoundW(L"SND00", self, kPlayWhole));
}

TEST(NoteSoundBank, ARestAndAnUnknownCodeReturnAfterTheirSilence) {
  SystemNoteSoundBank bank;
  bank.PlayNote(0, 1);
  bank.PlayNote(200, 1);
  bank.PlayNote(55, 1);
  SUCCEED();
}

// However the system's sleeps round, a note must not end before its moment.
TEST(NoteSoundBank, TheSystemClockNeverWakesBeforeTheMoment) {
  SystemPlaybackClock clock;
  for (double ahead : {-5.0, 0.2, 1.0, 1.5, 3.7}) {
    const double moment = clock.NowMs() + ahead;
    clock.WaitUntil(moment);
    EXPECT_GE(clock.NowMs(), moment) << ahead << " ms ahead";
  }
}

}  // namespace
