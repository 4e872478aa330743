// The layout of the main window's menu bar.
#pragma once

#include <vector>

#include "toolkit/Menu.h"

class TMelopadForm;

std::vector<toolkit::MenuEntry> MainMenuTable(TMelopadForm& form);
// Puts the menu pictures beside the entries of the built menu.
void SetMainMenuImages(TMelopadForm& form);
