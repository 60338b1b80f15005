// The main window on screen, in both interfaces, on a drawing holding one line: the window's own
// timer paints the view, and a photograph of the view shows the line. Offscreen the photograph
// is the view's rendering; on an X server it is taken from the screen.
#include <gtest/gtest.h>

#include "../mdi_fixture.h"
#include "platform/services/screen.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {
// Lets the event loop run until the window's first tick has repainted the view.
void run_until_painted(MDI_& m) {
  m.first_tick_ = true_;
  for (int i = 0; i < 400 && m.first_tick_; ++i) wait_events_(10);
  for (int i = 0; i < 20; ++i) wait_events_(10);
}

bool photograph(window_& view, surface_& out) {
  if (platform_name_() != "xcb") return view.grab_(out);
  return capture_screen_(view.client_rect_(), out);
}

uint32_t rgb(uint32_t px) { return px & 0xFFFFFFu; }
}  // namespace

class mdi_screen : public mdi_fixture {};

TEST_F(mdi_screen, both_interfaces_show_the_drawn_line_in_the_view) {
  for (const char* type : {"0", "1"}) {
    SCOPED_TRACE(type);
    open(type);
    mdi->form().activate_();
    const int32_t w = mdi->client().client_width_(), h = mdi->client().client_height_();
    ASSERT_GT(w, 100);
    ASSERT_GT(h, 100);
    // A horizontal line across the middle of the view, in drawing units.
    const view_transform_rec_ v = engine->view_transform_(w, h);
    const float z = engine->view_zoom_(), cx = engine->view_posx_(), cy = engine->view_posy_();
    const float half = float(w) / 4 / z;
    engine->state_begin_();
    ASSERT_GT(engine->add_line_(cx - half, cy, cx + half, cy, 0x0000FF), 0);
    engine->state_save_("line");
    run_until_painted(*mdi);
    const pixel_point_ a = zaz_class_::map_px_(v, cx - half, cy), b = zaz_class_::map_px_(v, cx + half, cy);
    ASSERT_EQ(a.y, b.y);
    ASSERT_GT(b.x - a.x, 40);
    surface_ shot;
    ASSERT_TRUE(photograph(mdi->client(), shot));
    ASSERT_EQ(shot.width_(), w);
    // Every pixel of the line but its ends is the line's red; the rows beside it are not.
    const uint32_t red = 0xFF0000u;
    int32_t on = 0, beside = 0;
    for (int32_t x = a.x + 2; x < b.x - 2; ++x) {
      on += rgb(shot.row_(a.y)[x]) == red;
      beside += rgb(shot.row_(a.y - 3)[x]) == red || rgb(shot.row_(a.y + 3)[x]) == red;
    }
    EXPECT_EQ(on, b.x - a.x - 4);
    EXPECT_EQ(beside, 0);
    close();
  }
}
