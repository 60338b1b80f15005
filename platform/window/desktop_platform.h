// Which windowing platform the program runs on. The window layer needs global window
// positions, pointer grabs and screen captures that Wayland does not give its clients, so a
// Wayland session runs the program through XWayland; with no display at all it does not run.
#pragma once
#include <string>

struct desktop_choice_ {
  std::string platform;  // the platform to ask for; empty: keep what the environment says
  std::string error;     // why the program cannot run here; empty when it can
};

// The choice for the given environment values (null when a variable is unset).
desktop_choice_ choose_desktop_platform_(const char* qpa_platform, const char* display, const char* wayland_display);
// Applies the choice to this process's environment before the application exists; returns the
// error text, empty when the program can run.
std::string prepare_desktop_platform_();
