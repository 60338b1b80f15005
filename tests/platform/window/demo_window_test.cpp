// A small demo window: our own frame band and a client picture, painted on request, then
// photographed. Runs offscreen, and on a real X server (under xvfb-run) as well.
#include <gtest/gtest.h>

#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"

namespace {

constexpr uint32_t caption = rgb_(30, 60, 120);
constexpr uint32_t paper = rgb_(250, 250, 240);
constexpr uint32_t ink = rgb_(200, 20, 20);

// The frame: a 24-pixel caption band and 3-pixel borders.
void paint_frame(surface_& s) { s.fill_colour_(caption); }

// The client: paper with an ink square at (20, 10) of 30 x 30.
void paint_client(surface_& s) {
  s.fill_colour_(paper);
  for (int32_t y = 10; y < 40; ++y)
    for (int32_t x = 20; x < 50; ++x) s.set_colour_(x, y, ink);
}

// What each whole-window pixel should show.
uint32_t expected(int32_t x, int32_t y) {
  const int32_t cx = x - 3, cy = y - 24;
  if (cx < 0 || cy < 0 || cx >= 154 || cy >= 73) return caption;
  return cx >= 20 && cx < 50 && cy >= 10 && cy < 40 ? ink : paper;
}

int32_t mismatches(const surface_& shot) {
  int32_t bad = 0;
  for (int32_t y = 0; y < shot.height_(); ++y)
    for (int32_t x = 0; x < shot.width_(); ++x) bad += shot.colour_(x, y) != expected(x, y);
  return bad;
}

TEST(demo_window, paints_its_frame_and_client_and_grabs_what_it_shows) {
  ensure_application_();
  window_options_ o;
  o.title = "demo";
  o.x = 40;
  o.y = 40;
  o.width = 160;
  o.height = 100;
  auto w = create_window_(o);
  w->set_frame_insets_(3, 24, 3, 3);
  int frame_paints = 0, client_paints = 0;
  w->on_frame_paint = [&] { ++frame_paints, paint_frame(w->window_surface_()); };
  w->on_paint = [&] { ++client_paints, paint_client(w->client_surface_()); };
  w->show_();
  w->update_();
  for (int i = 0; i < 50 && client_paints == 0; ++i) {
    do_events_();
    sleep_ms_(2);
  }
  EXPECT_GT(frame_paints, 0);
  EXPECT_GT(client_paints, 0);

  surface_ shot;
  ASSERT_TRUE(w->grab_(shot));
  ASSERT_EQ(shot.width_(), 160);
  ASSERT_EQ(shot.height_(), 100);
  EXPECT_EQ(mismatches(shot), 0);

  // The screen shows the same where the window lies, once the platform has composed it.
  surface_ screen;
  int32_t screen_bad = -1;
  for (int i = 0; i < 100 && screen_bad != 0; ++i) {
    ASSERT_TRUE(capture_screen_(w->window_rect_(), screen));
    ASSERT_EQ(screen.width_(), 160);
    screen_bad = mismatches(screen);
    if (screen_bad != 0) {
      do_events_();
      sleep_ms_(5);
    }
  }
  EXPECT_EQ(screen_bad, 0);
}

}  // namespace
