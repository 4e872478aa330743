// Handing files, folders and web addresses to the desktop shell, and the
// places the editor hands over: its help page, its homepage, its songs.
#pragma once

#include <string>

// The shell's "open" verb on the target, shown the default way. True when the
// shell accepted the request; what happens after that is the shell's affair.
// The target is a path or a web address, in UTF-16 as the shell takes it.
bool ShellOpen(const std::wstring& target, const std::wstring& parameters);

// The program's own path with its extension replaced by ".html".
std::wstring HelpPagePath();
// The folder "songs\" beside the program, with its trailing separator.
std::wstring SongsFolderPath();

// Shown as text in the version window, so code page 932 like every text.
extern const char* const kHomepageAddress;

// Asks whether to go online, and opens the homepage when the answer is Yes.
void OpenHomepage();
