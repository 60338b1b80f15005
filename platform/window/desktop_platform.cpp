#include "platform/window/desktop_platform.h"

#include <cstdlib>

namespace {
bool given(const char* v) { return v && *v; }
}  // namespace

desktop_choice_ choose_desktop_platform_(const char* qpa_platform, const char* display, const char* wayland_display) {
  if (given(qpa_platform)) return {};  // chosen by the user or a test
  if (given(display)) return {"xcb", ""};
  if (given(wayland_display))
    return {"", "this Wayland session offers no X11 display (XWayland); the program needs one to run"};
  return {"", "no display found (DISPLAY is not set); the program needs an X11 desktop to run"};
}

std::string prepare_desktop_platform_() {
  const desktop_choice_ c =
      choose_desktop_platform_(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  if (!c.platform.empty()) setenv("QT_QPA_PLATFORM", c.platform.c_str(), 1);
  return c.error;
}
