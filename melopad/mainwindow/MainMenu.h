// The layout of the main window's menu bar.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/Menu.h"

class TMelopadForm;

// What each menu entry does; an empty action leaves the entry without one.
struct MainMenuActions {
  std::function<void()> newMelody, open, save, exit;
  std::function<void()> rename, analize;
  std::function<void()> help, keyMap, homepage, version;
};

std::vector<toolkit::MenuEntry> MainMenuTable(TMelopadForm& form, const MainMenuActions& actions);
