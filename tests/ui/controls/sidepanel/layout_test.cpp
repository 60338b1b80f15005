// Group bands, item rectangles and the look tables, as plain maths and as painting lays them out.
#include "panel_fixture.h"
#include "ui/controls/sidepanel/panel_layout.h"

namespace {

TEST(panel_layout, bands_of_titled_and_untitled_groups) {
  struct row {
    std::string title;
    int32_t bottom, top, want_h, want_content;
  };
  for (const row& r : {row{"Line", 50, 0, 80, 20}, row{"  ", 5, 82, 10, 82}, row{"", 1, 0, 10, 0},
                       row{"", 8, 0, 18, 0}, row{"T", 0, 10, 30, 30}}) {
    panel_group_rec_ g;
    g.title = r.title;
    g.bottom = r.bottom;
    const panel_band_rec_ b = panel_group_band_(g, r.top);
    EXPECT_EQ(b.height, r.want_h) << r.title << r.bottom;
    EXPECT_EQ(b.content_top, r.want_content) << r.title << r.bottom;
  }
}

// Buttons and combos: states 0 normal, 1 hover, 2 pressed, and whether the item turns hot.
TEST(panel_layout, button_looks_follow_the_press_and_the_pointer) {
  struct row {
    bool enabled, pressed, other, inside;
    int32_t state;
    bool hot;
  };
  for (const row& r : {row{true, true, false, true, 2, true}, row{true, true, false, false, 1, false},
                       row{true, false, true, true, 0, true}, row{true, false, false, true, 1, true},
                       row{true, false, false, false, 0, false}, row{false, true, false, true, 0, false}}) {
    const panel_look_rec_ l = panel_button_look_(r.enabled, r.pressed, r.other, r.inside);
    EXPECT_EQ(l.state, r.state);
    EXPECT_EQ(l.hot, r.hot);
  }
}

TEST(panel_layout, glyph_looks_follow_the_press_the_pointer_and_the_check) {
  struct row {
    bool quiet, checked, pressed, other, inside;
    int32_t state;
    bool hot, frame;
  };
  for (const row& r : {row{false, false, true, false, true, 4, true, true}, row{false, true, true, false, false, 3, false, true},
                       row{false, false, true, false, false, 1, false, true}, row{false, true, false, true, true, 2, true, true},
                       row{false, true, false, false, true, 3, true, true}, row{false, false, false, false, false, 0, false, true},
                       row{true, true, true, false, true, 2, false, false}}) {
    const panel_look_rec_ l = panel_glyph_look_(r.quiet, r.checked, r.pressed, r.other, r.inside, true);
    EXPECT_EQ(l.state, r.state);
    EXPECT_EQ(l.hot, r.hot);
    EXPECT_EQ(l.focus_frame, r.frame);
  }
}

using panel_geometry = panel_host;

TEST_F(panel_geometry, painting_places_groups_and_items) {
  panel->refresh_();
  EXPECT_EQ(panel->panelheight_(), 0);
  const int32_t g1 = panel->add_group_("A", "Titled"), g2 = panel->add_group_("B", "");
  panel->add_item_(g1, "X", 5, "x", false_, "", 0, 2, 10, 60, 30, 0, 0, 10);  // bottom 10 + 30 + 10
  panel->add_item_(g2, "Y", 1, "y", false_, "", 0, 6, 3, 80, 40, 2);
  panel->refresh_();
  EXPECT_EQ(panel->group_(g1).content_top, 20);
  EXPECT_EQ(panel->group_(g2).content_top, 82);
  const panel_item_rec_& y = panel->item_(2);
  EXPECT_EQ((std::vector<int32_t>{y.painted_x, y.painted_y, y.painted_w, y.painted_h}),
            (std::vector<int32_t>{10, 89, 80, 40}));
  // The checked value field's field: 16 in, below a line of text (13) + 3, margin 2 on each side.
  EXPECT_EQ((std::vector<int32_t>{y.field_l, y.field_t, y.field_w, y.field_h}),
            (std::vector<int32_t>{10 + 2 + 16, 89 + 2 + 3 + 13, 80 - 4 - 18, 13 + 2 + 3}));
  EXPECT_EQ(panel->panelheight_(), 89 + 40 + 5);
}

}  // namespace
