// The real main window as the handlers' host: injected mouse in its drawing view selects, reads
// out and opens the view popup of its ribbon.
#include "../mdi_fixture.h"
#include "mainwindow/view/mdi_view_link.h"
#include "platform/window/inject.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/statusbar/statusbar.h"

using mdi_link = mdi_fixture;

TEST_F(mdi_link, view_input_reaches_the_main_window) {
  open("0");
  zaz_class_& e = *engine;
  e.view_snap2grid_(false_);
  e.view_snap2points_(false_);
  e.view_setting_(0, 0, 1, e.page_active_());
  const int32_t r = e.add_line_(-50, 0, 50, 0);
  mdi->ref_(false_, false_);
  window_& v = mdi->client();
  const pixel_point_ p =
      zaz_class_::map_px_(e.view_transform_(v.client_width_(), v.client_height_()), 20, 0);
  inject_mouse_at_(v, mouse_type_::move, p.x, p.y);
  EXPECT_EQ(mdi->statusbar().text_(), "X=20.000000, Y=0.000000");
  inject_mouse_at_(v, mouse_type_::down, p.x, p.y, button_left_);
  inject_mouse_at_(v, mouse_type_::up, p.x, p.y, button_left_);
  EXPECT_EQ(e.select_record_(r), true_);
  ASSERT_NE(mdi->ribbon(), nullptr);
  inject_mouse_at_(v, mouse_type_::down, p.x, p.y, button_right_);
  inject_mouse_at_(v, mouse_type_::up, p.x, p.y, button_right_);
  do_events_();
  EXPECT_TRUE(mdi->ribbon()->winex_visible_());
}
