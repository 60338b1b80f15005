// Both command surfaces rendered on the stand-in main window and written to PNG files: every
// ribbon control and every toolbar button with an icon shows pixels of its own icon over the
// skin's band.
#include <vector>
#include <string>

#include "interface_fixture.h"
#include "mainwindow/interface/dock_rows.h"
#include "mainwindow/interface/ribbon_rows.h"
#include "support/screen_photo.h"

namespace {

// Pixels of the rectangle that differ between two renderings: with the icons and without them.
int32_t icon_pixels(const surface_& with, const surface_& without, int32_t x, int32_t y, int32_t w, int32_t h) {
  int32_t n = 0;
  for (int32_t yy = y; yy < y + h; ++yy)
    for (int32_t xx = x; xx < x + w; ++xx) n += with.colour_(xx, yy) != without.colour_(xx, yy) ? 1 : 0;
  return n;
}

}  // namespace

class interface_render : public interface_host {};

TEST_F(interface_render, every_ribbon_control_shows_its_icon) {
  make_ribbon();
  rc->bar().show_no_activate_();
  xribbon_& r = rc->model();
  int32_t expected = 0;
  for (const ribbon_row_& row : ribbon_rows_())
    expected += (row.kind == ribbon_row_kind_::button || row.kind == ribbon_row_kind_::group) ? 1 : 0;
  int32_t checked = 0;
  for (int32_t tab = 1; tab <= r.tab_count; ++tab) {
    r.tab_id_(tab);
    do_events_();
    surface_ with, without;
    ASSERT_TRUE(rc->bar().grab_(with));
    save_png_(with, "ribbon_tab_" + r.tabid2key_(tab) + ".png");
    std::vector<int32_t> icons(size_t(r.control_count) + 1);
    for (int32_t id = 1; id <= r.control_count; ++id) std::swap(icons[size_t(id)], r.controls[size_t(id)].icon);
    r.refresh_();
    do_events_();
    ASSERT_TRUE(rc->bar().grab_(without));
    for (int32_t id = 1; id <= r.control_count; ++id) std::swap(icons[size_t(id)], r.controls[size_t(id)].icon);
    for (int32_t id = 1; id <= r.control_count; ++id) {
      const ribbon_control_rec_& c = r.controls[size_t(id)];
      if (r.toolbars[size_t(c.toolbar_id)].tab_id != tab) continue;
      if (c.type == ribbon_combo_ || c.type == ribbon_separator_) continue;
      ribbon_rect_ rect;
      ASSERT_TRUE(r.control_rect_on_bar_(id, rect)) << c.key;
      EXPECT_GE(icon_pixels(with, without, rect.x, rect.y, rect.w, rect.h), 20) << c.key;
      ++checked;
    }
  }
  EXPECT_EQ(checked, expected);
}

TEST_F(interface_render, every_toolbar_button_shows_its_icon) {
  make_classic(::testing::TempDir() + "no_layout_render.ini");
  do_events_();
  surface_ whole;
  ASSERT_TRUE(host->grab_(whole));
  save_png_(whole, "classic_interface.png");
  int32_t checked = 0;
  for (int32_t t = 2; t <= 14; ++t) {
    window_* w = tb->tool_window_(t);
    ASSERT_NE(w, nullptr);
    surface_ with, without;
    ASSERT_TRUE(w->grab_(with));
    const auto& bar = tb->toolbars[size_t(t)];
    std::vector<int32_t> icons(size_t(bar.slot_count) + 1);
    for (int32_t i = 1; i <= bar.slot_count; ++i) {
      icons[size_t(i)] = tb->button_ico_(bar.slots[size_t(i)].button_id);
      tb->button_ico_(bar.slots[size_t(i)].button_id, 0);
    }
    tb->refresh(t);
    do_events_();
    ASSERT_TRUE(w->grab_(without));
    for (int32_t i = 1; i <= bar.slot_count; ++i) {
      const dock_button_slot_rec_& s = bar.slots[size_t(i)];
      tb->button_ico_(s.button_id, icons[size_t(i)]);
      if (icons[size_t(i)] <= 0) continue;  // list buttons and the text-only buttons
      EXPECT_GE(icon_pixels(with, without, s.x, s.y, s.width, s.height), 20)
          << "toolbar " << t << " " << tb->button_key_(s.button_id);
      ++checked;
    }
  }
  // Every button of toolbars 2 to 14 that the rows give an icon.
  int32_t expected = 0, toolbar = 0;
  for (const dock_row_& row : dock_rows_()) {
    toolbar += row.kind == dock_row_kind_::toolbar ? 1 : 0;
    if (row.kind == dock_row_kind_::button && toolbar >= 2 && toolbar <= 14 && (*row.small || row.icon_field)) ++expected;
  }
  EXPECT_EQ(checked, expected);
}
