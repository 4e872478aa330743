// The base of tests that make windows: an application whose user is a
// scripted prompter, which must have used up its script by the end, and
// whose shell and pauses are recorded instead of carried out.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "tests/wine/support/RecordingShell.h"
#include "tests/wine/support/ScriptedPrompter.h"
#include "toolkit/Application.h"

namespace testing_support {

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    application.SetShell(shell);
    application.SetSleeper(sleeper);
  }

  void TearDown() override {
    EXPECT_TRUE(prompter.ScriptUsedUp()) << "some scripted answers were never asked for";
  }

  // Handles messages until the condition holds; false when it never did.
  // (The tick count stands in for <chrono>, whose micro sign has no
  // Shift-JIS form and so does not compile with this code page.)
  bool PumpUntil(const std::function<bool()>& condition, ULONGLONG timeoutMs = 5000) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!condition()) {
      if (::GetTickCount64() > deadline) return false;
      application.ProcessMessages();
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }

  ScriptedPrompter prompter;
  RecordingShell shell;
  RecordingSleeper sleeper;
  toolkit::Application application{"Melopad", prompter};
};

}  // namespace testing_support
