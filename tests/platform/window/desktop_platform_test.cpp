// The windowing platform the program asks for in each kind of session.
#include <gtest/gtest.h>

#include "platform/window/desktop_platform.h"

TEST(desktop_platform, each_session_kind) {
  struct row {
    const char *qpa, *display, *wayland;
    const char* platform;
    bool runs;
  } rows[] = {
      {nullptr, ":0", nullptr, "xcb", true},       // X11
      {nullptr, ":0", "wayland-0", "xcb", true},   // Wayland with XWayland
      {nullptr, nullptr, "wayland-0", "", false},  // Wayland without XWayland
      {nullptr, nullptr, nullptr, "", false},      // no display at all
      {"", "", "", "", false},                     // set but empty counts as unset
      {"offscreen", nullptr, nullptr, "", true},   // chosen explicitly (tests)
      {"xcb", nullptr, "wayland-0", "", true},
  };
  for (const row& r : rows) {
    const desktop_choice_ c = choose_desktop_platform_(r.qpa, r.display, r.wayland);
    SCOPED_TRACE(std::string(r.qpa ? r.qpa : "-") + " " + (r.display ? r.display : "-") + " " +
                 (r.wayland ? r.wayland : "-"));
    EXPECT_EQ(c.platform, r.platform);
    EXPECT_EQ(c.error.empty(), r.runs);
  }
}
