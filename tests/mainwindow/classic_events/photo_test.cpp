// The attribute toolbar of the classic interface photographed: the colour buttons show the current
// draw and fill colours as bordered swatches. On an X server the photograph is taken from the
// screen (scripts/test runs this suite under xvfb-run); offscreen it is the window's rendering.
#include "classic_fixture.h"
#include "shell/ui_metrics.h"
#include "support/screen_photo.h"

class classic_photo : public classic_fixture {};

TEST_F(classic_photo, the_colour_buttons_show_the_current_colours) {
  mdi->form().activate_();
  mdi->attr_dcolor_ = 0x0080FF;  // orange
  mdi->attr_fcolor_ = 0xC86400;  // a blue no fixed colour has
  tb().refresh(5);
  for (int i = 0; i < 30; ++i) wait_events_(10);
  window_* w = tb().tool_window_(5);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->visible_());
  surface_ shot;
  ASSERT_TRUE(photograph_(*w, shot));
  save_png_(shot, "classic_attribute_toolbar.png");
  const struct {
    const char* key;
    uint32_t colour;
  } buttons[] = {{"COLOR1", 0x0080FF}, {"COLOR2", 0xC86400}};
  for (const auto& b : buttons) {
    int32_t slot = 0;
    for (int32_t i = 1; i <= tb().toolbars[5].slot_count; ++i)
      if (tb().slot_button_id_(5, i) == tb().key2id_(b.key)) slot = i;
    ASSERT_GT(slot, 0) << b.key;
    const dock_button_slot_rec_& s = tb().toolbars[5].slots[size_t(slot)];
    const int32_t cx = int32_t(round_even_(s.x + ui_metrics_.menu_row_h_ / 2.0 + 1));
    const int32_t cy = int32_t(round_even_(s.y + s.height / 2.0 + 1));
    // The 13-pixel swatch from (cx - 7, cy - 7): its 11 x 11 inside in the colour, its border grey.
    int32_t inside = 0;
    for (int32_t y = cy - 6; y <= cy + 4; ++y)
      for (int32_t x = cx - 6; x <= cx + 4; ++x) inside += shot.colour_(x, y) == b.colour;
    EXPECT_EQ(inside, 121) << b.key;
    for (int32_t k = -7; k <= 5; ++k) {
      EXPECT_EQ(shot.colour_(cx + k, cy - 7), 0x808080u) << b.key << " top " << k;
      EXPECT_EQ(shot.colour_(cx - 7, cy + k), 0x808080u) << b.key << " left " << k;
      EXPECT_EQ(shot.colour_(cx + 5, cy + k), 0x808080u) << b.key << " right " << k;
    }
  }
}
