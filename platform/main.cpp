// The program's entry point: the windowing platform chosen, then the shell's start with the
// command line and the event loop.
#include <cstdio>
#include <string>

#include "platform/window/desktop_platform.h"
#include "shell/main_window_entry.h"

int main(int argc, char** argv) {
  if (const std::string error = prepare_desktop_platform_(); !error.empty()) {
    std::fprintf(stderr, "arvex: %s\n", error.c_str());
    return 2;
  }
  std::string line;  // the arguments joined by blanks
  for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
  return run_main_window_(line);
}
