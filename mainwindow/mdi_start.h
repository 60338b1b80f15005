// The main window as the shell's start and exit work with it.
#pragma once

class MDI_;

// Registers MDI_ as the window the shell's start creates and its exit destroys.
void install_main_window_link_();
// The main window the start made, or null before the start and after the exit.
MDI_* running_main_window_();
