// Handing files, folders and web addresses to the desktop shell, and the
// places the editor hands over: its help page, its homepage, its songs.
#pragma once

#include <string>

// The shell's "open" verb on the target, shown the default way. True when the
// shell accepted the request; what happens after that is the shell's affair.
bool ShellOpen(const std::string& target, const std::string& parameters);

// The program's own path with its extension replaced by ".html".
std::string HelpPagePath();
// The folder "songs\" beside the program, with its trailing separator.
std::string SongsFolderPath();

extern const char* const kHomepageAddress;

// Asks whether to go online, and opens the homepage when the answer is Yes.
void OpenHomepage();
