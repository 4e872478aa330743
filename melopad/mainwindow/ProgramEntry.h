// What the editor does once it runs as the only copy: the "/SONGS" switch,
// or the main window and its small windows with the message loop.
#pragma once

#include <string>
#include <vector>

namespace toolkit {
class Application;
}

void RunMelopad(toolkit::Application& application, const std::vector<std::string>& arguments);
