// Every docking toolbar of the classic interface photographed (from the screen on an X server,
// else its rendering) and written to PNG: each shown button with an icon has pixels of its own
// icon, drawn over the skin's toolbar colours rather than an unpainted background.
#include <set>
#include <string>

#include "classic_fixture.h"
#include "platform/window/inject.h"
#include "support/test_skin.h"
#include "ui/skin/skin_file.h"
#include "support/screen_photo.h"

namespace {

bool shown(window_& w, pixel_point_ a, pixel_point_ z) {
  const pixel_rect_ r = w.client_rect_();
  return a.x >= r.left && a.y >= r.top && z.x <= r.right && z.y <= r.bottom;
}

// The program's blue skin, as a user first sees the window.
class classic_toolbar_screen : public classic_fixture {
 protected:
  void SetUp() override {
    old_skin_ = skin_file_path_;
    skin_file_path_ = real_skin_path_("blue.skin");
    classic_fixture::SetUp();
    ASSERT_EQ(skin_loaded_, true_);
  }
  void TearDown() override {
    classic_fixture::TearDown();
    skin_file_path_ = old_skin_;
    skin_loaded_ = false_;
  }
  std::string old_skin_;
};

TEST_F(classic_toolbar_screen, every_button_shows_its_icon_on_the_toolbar) {
  mdi->form().activate_();
  inject_mouse_at_(mdi->client(), mouse_type_::move, 5, 5);  // nothing hot
  int32_t checked = 0;
  for (int32_t t = 1; t <= tb().tbcount_(); ++t) {
    window_* w = tb().tool_window_(t);
    if (!w || !w->visible_() || tb().toolbars[size_t(t)].menu == true_) continue;
    SCOPED_TRACE(tb().toolbars[size_t(t)].title);
    surface_ with, without;
    tb().refresh(t);
    ASSERT_TRUE(photograph_(*w, with));
    save_png_(with, "classic_toolbar_" + std::to_string(t) + ".png");
    // The same toolbar with every icon taken away: what stays is the skin's painting.
    std::vector<int32_t> icons;
    for (int32_t s = 1; s <= tb().toolbars[size_t(t)].slot_count; ++s) {
      const int32_t b = tb().slot_button_id_(t, s);
      icons.push_back(b >= 1 ? tb().button_(b).icon : 0);
      if (b >= 1) tb().button_(b).icon = 0;
    }
    tb().refresh(t);
    ASSERT_TRUE(photograph_(*w, without));
    for (int32_t s = 1; s <= tb().toolbars[size_t(t)].slot_count; ++s)
      if (const int32_t b = tb().slot_button_id_(t, s); b >= 1) tb().button_(b).icon = icons[size_t(s - 1)];
    tb().refresh(t);
    ASSERT_EQ(with.width_(), without.width_());
    std::set<uint32_t> background;
    for (int32_t y = 0; y < without.height_(); ++y)
      for (int32_t x = 0; x < without.width_(); ++x) background.insert(without.colour_(x, y) & 0xFFFFFFu);
    EXPECT_GT(background.size(), 1u);  // a painted skin, not one flat fill
    for (int32_t s = 1; s <= tb().toolbars[size_t(t)].slot_count; ++s) {
      const dock_button_slot_rec_& slot = tb().toolbars[size_t(t)].slots[size_t(s)];
      const int32_t b = tb().slot_button_id_(t, s);
      if (b < 1 || icons[size_t(s - 1)] < 1 || slot.visible != true_ || slot.width < 8 || slot.height < 8) continue;
      // Toolbars longer than their dock run past the window's edge; what lies there is not shown.
      const pixel_point_ a = w->client_to_screen_({slot.x, slot.y});
      const pixel_point_ z = w->client_to_screen_({slot.x + slot.width, slot.y + slot.height});
      if (!shown(mdi->form(), a, z) || (w->parent_() && !shown(*w->parent_(), a, z))) continue;
      int32_t icon_pixels = 0;
      for (int32_t y = slot.y; y < slot.y + slot.height; ++y)
        for (int32_t x = slot.x; x < slot.x + slot.width; ++x)
          icon_pixels += with.colour_(x, y) != without.colour_(x, y);
      EXPECT_GE(icon_pixels, 20) << tb().button_(b).key;
      EXPECT_NE(without.colour_(slot.x + slot.width / 2, slot.y + slot.height / 2) & 0xFFFFFFu, 0u)
          << tb().button_(b).key << ": unpainted";
      ++checked;
    }
  }
  EXPECT_GT(checked, 40);
}

}  // namespace
