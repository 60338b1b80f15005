// Photographs of windows for interface tests: from the screen on an X server (what a user
// sees), else the window's own rendering; and PNG files of them in the test folder.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/surface.h"
#include "platform/services/picture_file.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"

inline bool photograph_(window_& w, surface_& out) {
  do_events_();
  if (platform_name_() != "xcb") return w.grab_(out);
  for (int i = 0; i < 10; ++i) wait_events_(10);
  return capture_screen_(w.client_rect_(), out);
}

inline void save_png_(const surface_& s, const std::string& name) {
  picture_image_rec_ im;
  im.width = s.width_();
  im.height = s.height_();
  for (int32_t y = 0; y < im.height; ++y)
    for (int32_t x = 0; x < im.width; ++x) im.argb.push_back(0xFF000000u | s.argb_(x, y));
  EXPECT_TRUE(save_png_file_(::testing::TempDir() + name, im)) << name;
}
