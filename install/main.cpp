// The installer's entry point. The program carries its version resource and
// manifest; the wizard window is not part of it yet, so it ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return 0;
}
