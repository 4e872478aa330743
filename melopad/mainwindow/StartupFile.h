// Which command-line argument names a melody file to load at start.
#pragma once

#include <string>

// True for an existing file (not a folder) whose extension is ".als" in any case.
bool IsExistingAlsFile(const std::wstring& path);
