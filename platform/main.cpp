// The program's entry point: settings and language texts, then the main window until it closes.
#include <string>

#include "shell/main_window_entry.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  start_settings_and_language_();
  return run_main_window_(argc > 1 ? std::string(argv[1]) : std::string());
}
