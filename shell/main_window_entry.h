// The start's one call into the main window. The shell sits below the main window, so it only
// declares this entry; the main window (mainwindow/) defines it, and the program links both.
#pragma once
#include <cstdint>
#include <string>

// Registers the main window with the shell, runs the shell's start with the program's command
// line (its arguments joined by blanks) and then the event loop; closing the main window runs
// the exit, which ends the process.
int32_t run_main_window_(const std::string& command_line);
