// The program's entry point. Until the main window exists the start stops after the settings and
// the language texts; the application object arrives with the first window.
#include <cstdio>

#include "shell/startup.h"

int main(int, char**) {
  start_settings_and_language_();
  std::puts("arvex: the main window is not built yet; nothing more to show.");
  return 0;
}
