// The program's entry point: the shell's start with the command line, then the event loop.
#include <string>

#include "shell/main_window_entry.h"

int main(int argc, char** argv) {
  std::string line;  // the arguments joined by blanks
  for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
  return run_main_window_(line);
}
