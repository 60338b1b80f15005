// The start's one call into the main window. The shell sits below the main window, so it only
// declares this entry; the main window (mainwindow/) defines it, and the program links both.
#pragma once
#include <cstdint>
#include <string>

// Opens the main window on a new drawing (the drawing named by path when it is not empty),
// runs the event loop until the window closes and returns the loop's exit code.
int32_t run_main_window_(const std::string& path);
