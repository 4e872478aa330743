// What the editor does once it runs as the only copy: the "/SONGS" switch,
// or the main window and its small windows with the message loop.
#pragma once

#include <string>
#include <vector>

namespace toolkit {
class Application;
}

// The arguments are the command line's, in UTF-16: the first may name a
// melody file by a path that code page 932 cannot hold.
void RunMelopad(toolkit::Application& application, const std::vector<std::wstring>& arguments);
