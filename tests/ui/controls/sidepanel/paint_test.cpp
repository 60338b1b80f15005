// Painting against the flat test skin: a pixel tells which sprite part or palette colour was
// drawn there.
#include "panel_fixture.h"
#include "shell/colors.h"

namespace {

using panel_paint = panel_host;

// A panel with one untitled group: a captionless button, a check box, a combo, a text field,
// a disabled text field and a header band, each at a known place.
void build(xcpanelbox_& p) {
  const int32_t g = p.add_group_("G", "");
  p.add_item_(g, "BTN", 2, "", false_, "", 0, 0, 0, 60, 24);
  p.add_item_(g, "CHK", 3, "", false_, "", 0, 0, 30, 100, 24);
  p.add_item_(g, "CMB", 4, "", false_, "", 0, 0, 60, 100, 24);
  p.add_item_(g, "TXT", 5, "T", false_, "ab", 0, 0, 90, 120, 40);
  p.add_item_(g, "OFF", 5, "T", false_, "", 0, 0, 140, 120, 40, 0, 0, 0, 0, false_, "", false_);
  p.add_item_(g, "BAND", 6, "", false_, "", 0, 0, 190, 120, 20);
}

TEST_F(panel_paint, background_separator_and_right_border) {
  const int32_t g = panel->add_group_("G", "Title");
  panel->add_item_(g, "L", 0, "", false_, "", 0, 0, 0, 20, 20);
  panel->refresh_();
  EXPECT_EQ(at(100, 5), skin_palette_.color_bgpanel);
  EXPECT_EQ(at(150, 20 + 30), uint32_t(skin_palette_.color_s1panel));  // bottom 20 + 30
  EXPECT_EQ(at(panel_w - 1, 100), skin_palette_.color_bgpanel);
  panel->rborder_(true_);
  EXPECT_EQ(at(panel_w - 1, 100), skin_palette_.color_bgpanel);  // only from the next painting on
  panel->refresh_();
  EXPECT_EQ(at(panel_w - 1, 100), uint32_t(skin_palette_.color_s2panel));
}

TEST_F(panel_paint, a_button_is_pressed_only_under_the_pointer) {
  build(*panel);
  panel->refresh_();
  const pixel_point_ b = centre("BTN");
  EXPECT_EQ(at(b.x, b.y), skin_palette_.color_bgpanel);  // normal: no face
  move(b.x, b.y);
  EXPECT_EQ(at(b.x, b.y), colour_of(item_small_sprites_[1].part[5]));
  down(b.x, b.y);
  EXPECT_EQ(at(b.x, b.y), colour_of(item_small_sprites_[2].part[5]));
  move(b.x + 100, b.y);  // dragged out: hover
  EXPECT_EQ(at(b.x, b.y), colour_of(item_small_sprites_[1].part[5]));
  up(b.x + 100, b.y);
  panel->item_enabled_("BTN", false_);
  move(b.x, b.y);
  EXPECT_EQ(at(b.x, b.y), skin_palette_.color_bgpanel);
}

TEST_F(panel_paint, check_glyphs_show_hover_and_check) {
  build(*panel);
  panel->refresh_();
  const panel_item_rec_& c = panel->item_(2);
  const int32_t gx = c.painted_x + 2, gy = c.painted_y + 5 + 2;
  EXPECT_EQ(at(gx, gy), colour_of(check_glyph_sprites_[1]));
  move(gx, gy);
  EXPECT_EQ(at(gx, gy), colour_of(check_glyph_sprites_[2]));
  click(gx, gy);
  EXPECT_EQ(panel->chkv_(2), true_);
  move(gx + 150, gy);
  EXPECT_EQ(at(gx, gy), colour_of(check_glyph_sprites_[3]));
}

// A value field's glyph stays quiet while the field is disabled, or while a field takes keys.
TEST_F(panel_paint, value_field_glyphs_stay_quiet_when_disabled_or_typing) {
  const int32_t g = panel->add_group_("G", "");
  panel->add_item_(g, "A", 1, "", false_, "", 0, 0, 0, 120, 40, 0, 0, 0, 0, false_, "", false_);
  panel->add_item_(g, "B", 1, "", false_, "5", 0, 0, 50, 120, 40);
  panel->refresh_();
  const panel_item_rec_& a = panel->item_(1);
  const panel_item_rec_& b = panel->item_(2);
  move(a.painted_x + 2, a.field_t + 2);
  EXPECT_EQ(at(a.painted_x + 2, a.field_t + 2), colour_of(check_glyph_sprites_[1]));
  EXPECT_EQ(at(a.field_l + a.field_w - 3, a.field_t + 2),
            uint32_t(blend_colors_(0xFFFFFF, skin_palette_.color_background, 0.35f)));
  move(b.painted_x + 2, b.field_t + 2);
  EXPECT_EQ(at(b.painted_x + 2, b.field_t + 2), colour_of(check_glyph_sprites_[2]));
  click(b.field_l + 5, b.field_t + 2);
  ASSERT_EQ(focus_item_, 1);
  move(b.painted_x + 2, b.field_t + 2);
  EXPECT_EQ(at(b.painted_x + 2, b.field_t + 2), colour_of(check_glyph_sprites_[1]));
}

TEST_F(panel_paint, combo_face_follows_the_pointer) {
  build(*panel);
  panel->refresh_();
  const panel_item_rec_& c = panel->item_(3);
  const int32_t x = c.painted_x + 30, y = c.painted_y + 12;
  EXPECT_EQ(at(x, y), colour_of(item_row_sprites_[4].part[5]));
  move(x, y);
  EXPECT_EQ(at(x, y), colour_of(item_row_sprites_[1].part[5]));
}

TEST_F(panel_paint, text_fields_show_fill_focus_frame_and_disabled_fill) {
  build(*panel);
  panel->refresh_();
  const panel_item_rec_& t = panel->item_(4);
  const panel_item_rec_& off = panel->item_(5);
  EXPECT_EQ(at(t.field_l, t.field_t), uint32_t(skin_palette_.color_text_border));
  EXPECT_EQ(at(t.field_l + t.field_w - 3, t.field_t + 2), 0xFFFFFFu);
  EXPECT_EQ(at(off.field_l + off.field_w - 3, off.field_t + 2),
            uint32_t(blend_colors_(0xFFFFFF, skin_palette_.color_background, 0.35f)));
  click(t.field_l + t.field_w - 5, t.field_t + 3);
  EXPECT_EQ(focus_toolbar_, 4);
  EXPECT_EQ(at(t.field_l, t.field_t + 5), uint32_t(skin_palette_.color_foc2_border));
  EXPECT_EQ(at(t.field_l + t.field_w - 1, t.field_t + 5), uint32_t(skin_palette_.color_foc1_border));
  EXPECT_EQ(at(t.field_l + t.field_w - 2, t.field_t + 5),
            uint32_t(blend_colors_(0xFFFFFF, skin_palette_.color_foc1_border, 0.25f)));
  // A disabled field never shows the frame, and a press on it enters nothing.
  click(off.field_l + 5, off.field_t + 3);
  EXPECT_EQ(at(off.field_l, off.field_t + 5), uint32_t(skin_palette_.color_text_border));
}

TEST_F(panel_paint, header_band_keeps_its_corners) {
  build(*panel);
  panel->refresh_();
  const panel_item_rec_& b = panel->item_(6);
  EXPECT_EQ(at(b.painted_x + 5, b.painted_y + 5), colour_of(ribbon_body_sprites_[1].part[7]));
  EXPECT_EQ(at(b.painted_x, b.painted_y), skin_palette_.color_bgpanel);
  EXPECT_EQ(at(b.painted_x + b.painted_w - 1, b.painted_y + b.painted_h - 1), skin_palette_.color_bgpanel);
}

TEST_F(panel_paint, nothing_is_painted_while_a_drop_down_is_open) {
  build(*panel);
  panel->refresh_();
  const pixel_point_ b = centre("BTN");
  popup_open_ = true_;
  panel->rborder_(true_);
  panel->refresh_();
  EXPECT_EQ(at(panel_w - 1, 5), skin_palette_.color_bgpanel);
  popup_open_ = 0;
  panel->refresh_();
  EXPECT_EQ(at(panel_w - 1, 5), uint32_t(skin_palette_.color_s2panel));
  EXPECT_EQ(at(b.x, b.y), skin_palette_.color_bgpanel);
}

}  // namespace
