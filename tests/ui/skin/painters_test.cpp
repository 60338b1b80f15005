// The skin painters on the flat test skin: every sprite rectangle is one colour of its own, so
// a pixel tells which part of which member was drawn there.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "shell/colors.h"
#include "support/test_skin.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/paint_dock.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/paint_scroll.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr uint32_t paper_colour = 0x123456;  // a colour no sprite of the test skin has

uint32_t sprite_colour(const sprite_rect_rec_& r) { return skin_picture_.colour_(r.x, r.y); }

class painters : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load_test_skin_());
    old_measurer = set_text_measurer_(std::make_shared<fixed_text_measurer_>(8));
  }
  void TearDown() override { set_text_measurer_(old_measurer); }
  // A fresh surface in the paper_colour colour and a context on it.
  dc_& canvas(int32_t w, int32_t h) {
    surface = surface_(w, h);
    surface.fill_colour_(paper_colour);
    dc = std::make_unique<dc_>(surface);
    dc->set_bk_mode_(bk_mode_::transparent_);
    return *dc;
  }
  uint32_t at(int32_t x, int32_t y) const { return surface.colour_(x, y); }

  surface_ surface;
  std::unique_ptr<dc_> dc;
  std::shared_ptr<text_measurer_> old_measurer;
};

// --- status bar ---------------------------------------------------------------------------

struct zoom_probe {
  int32_t result, new_zoom, zoom_left;
};

zoom_probe status(dc_& dc, int32_t mx, int32_t my, flag16_ down, int32_t captured, flag16_ no_grip = 0) {
  status_bar_args_ a;
  a.zoom_min = -100, a.zoom_max = 100, a.zoom_value = 0;
  a.mouse_x = mx, a.mouse_y = my, a.mouse_down = down, a.captured = captured, a.no_grip = no_grip;
  zoom_probe p{};
  p.result = draw_status_bar_(nullptr, dc, a, p.new_zoom, p.zoom_left);
  return p;
}

TEST_F(painters, status_bar_slider_geometry_and_hits) {
  dc_& dc = canvas(400, 22);
  const int32_t ty = 3;  // a 16-pixel track centred in 22 rows
  EXPECT_EQ(status(dc, 260, ty + 8, true_, 0).result, 1);  // left button centre
  EXPECT_EQ(status(dc, 370, ty + 8, true_, 0).result, 2);  // right button centre
  EXPECT_EQ(status(dc, 260, ty + 8, 0, 0).result, 0);      // hover only
  // Value 0 of -100..100 puts the thumb at 315 (range 274..356); pressing it there captures it.
  EXPECT_EQ(status(dc, 315, ty + 8, true_, 0).result, 3);
  EXPECT_EQ(at(315, ty), sprite_colour(status_zoom_sprites_[10]));
  status(dc, -1, -1, 0, 0);
  EXPECT_EQ(at(315, ty), sprite_colour(status_zoom_sprites_[4]));
  // Dragging: x 300 gives -37; past either end exactly the limits.
  EXPECT_EQ(status(dc, 300, 0, true_, 3).new_zoom, -37);
  EXPECT_EQ(status(dc, 274, 0, true_, 3).new_zoom, -100);
  EXPECT_EQ(status(dc, 100, 0, true_, 3).new_zoom, -100);
  EXPECT_EQ(status(dc, 356, 0, true_, 3).new_zoom, 100);
  EXPECT_EQ(status(dc, 399, 0, true_, 3).new_zoom, 100);
  // The grip answers from x 380 at any height, unless a thumb drag holds.
  EXPECT_EQ(status(dc, 380, 0, 0, 0).result, -1);
  EXPECT_EQ(status(dc, 379, 0, 0, 0).result, 0);
  EXPECT_EQ(status(dc, 390, 21, true_, 3).result, 3);
  // A held left button while the thumb has the capture stays normal and reports nothing.
  EXPECT_EQ(status(dc, 260, ty + 8, true_, 3).result, 3);
  EXPECT_EQ(at(252, ty), sprite_colour(status_zoom_sprites_[2]));
}

TEST_F(painters, status_bar_zoom_area_widths) {
  dc_& dc = canvas(400, 22);
  struct {
    flag16_ slider, no_grip;
    int32_t left;
  } cases[] = {{true_, 0, 200}, {0, 0, 350}, {true_, true_, 220}, {0, true_, 370}};
  for (const auto& c : cases) {
    status_bar_args_ a;
    a.zoom_slider = c.slider, a.no_grip = c.no_grip;
    int32_t zoom = 0, left = 0;
    draw_status_bar_(nullptr, dc, a, zoom, left);
    EXPECT_EQ(left, c.left);
  }
}

TEST_F(painters, status_bar_progress) {
  dc_& dc = canvas(400, 22);
  status_bar_args_ a;
  a.progress = 50;
  int32_t zoom = 0, left = 0;
  draw_status_bar_(nullptr, dc, a, zoom, left);
  // Fill 60 of 120: the fill's right column is not drawn, the track's is.
  const sprite9_set_rec_& fill = progress_sprites_[1];
  EXPECT_EQ(at(4, 5), sprite_colour(fill.part[1]));
  const int32_t ends = fill.part[4].width + fill.part[6].width;
  EXPECT_EQ(at(4 + 60 - ends + 1, 10), sprite_colour(fill.part[5]));
  EXPECT_EQ(at(4 + 60 - ends + 2, 10), sprite_colour(progress_sprites_[2].part[5]));
  EXPECT_EQ(at(4 + 119, 10), sprite_colour(progress_sprites_[2].part[6]));
}

// The bar's texts lie on its painting even on a context left opaque: no text cell is boxed.
TEST_F(painters, status_bar_texts_leave_the_bar_painting_around_them) {
  dc_& dc = canvas(400, 22);
  dc.set_bk_mode_(bk_mode_::opaque_);
  dc.set_bk_colour_(0x00FF00);
  status_bar_args_ a;
  a.zoom_slider = true_;
  a.text = "X=1.5, Y=2";
  a.zoom_text = "100%";
  int32_t zoom = 0, left = 0;
  draw_status_bar_(nullptr, dc, a, zoom, left);
  for (int32_t y = 0; y < 22; ++y)
    for (int32_t x = 0; x < 400; ++x) ASSERT_NE(at(x, y), 0x00FF00u) << x << "," << y;
}

TEST_F(painters, progress_bar_never_wider_than_its_fill_set) {
  dc_& dc = canvas(300, 20);
  draw_progress_bar_(nullptr, dc, 100);
  EXPECT_EQ(at(188, 5), sprite_colour(progress_sprites_[1].part[6]));
  EXPECT_EQ(at(189, 5), paper_colour);
  EXPECT_EQ(at(0, 12), paper_colour);  // 12 rows whatever the window's height
}

// --- tabs, buttons, boxes, glyphs ---------------------------------------------------------

TEST_F(painters, tab_with_icon_centres_icon_and_caption) {
  const tab_icon_layout_ l = tab_icon_layout_of_(10, 120, 40);
  EXPECT_EQ(l.caption_left, 61);
  EXPECT_EQ(l.caption_right, 123);
  EXPECT_EQ(l.icon_left, 39);
  const tab_icon_layout_ m = tab_icon_layout_of_(0, 100, 50);
  EXPECT_EQ(m.icon_left, 14);
  EXPECT_EQ(m.caption_right, 108);
}

TEST_F(painters, tab_looks) {
  dc_& dc = canvas(100, 30);
  draw_tab_(dc, 0, 0, 100, 30, "", 0, 1);
  EXPECT_EQ(at(0, 0), paper_colour);  // plain
  EXPECT_EQ(dc.text_colour_(), uint32_t(skin_palette_.color_tab_text_std));
  draw_tab_(dc, 0, 0, 100, 30, "", 0, 4);
  EXPECT_EQ(at(0, 0), sprite_colour(button_face_sprites_[3].part[1]));
  EXPECT_EQ(dc.text_colour_(), uint32_t(skin_palette_.color_btn_text_act));
  for (int32_t state : {0, 5}) {
    dc_& d = canvas(100, 30);
    draw_tab_baseline_(d, 0, 0, 60, 30, state);
    for (int32_t y = 0; y < 30; ++y)
      for (int32_t x = 0; x < 100; ++x) ASSERT_EQ(at(x, y), paper_colour) << state;
  }
  // A baseline tab stands on the slot's bottom and reaches a third of its right part further.
  dc_& d = canvas(100, 30);
  draw_tab_baseline_(d, 0, 0, 60, 30, 3);
  const sprite9_set_rec_& set = tab_baseline_sprites_[2];
  const int32_t right = set.part[3].width, reach = 60 + paint::rnd(right * 0.33);
  EXPECT_EQ(at(0, 29), sprite_colour(set.part[1]));
  EXPECT_EQ(at(reach - 1, 29), sprite_colour(set.part[3]));
  EXPECT_EQ(at(reach, 29), paper_colour);
}

TEST_F(painters, disabled_edit_box_keeps_the_normal_frame_and_grey_text) {
  for (int32_t state : {1, 2, 3, 4, 7}) {
    dc_& dc = canvas(120, 24);
    draw_edit_box_(nullptr, dc, 0, 0, 120, 24, "x", 0, 0, -1, 0, state, 0, 0, 0);
    EXPECT_EQ(at(0, 0), sprite_colour(edit_box_sprites_[1].part[1])) << state;
    EXPECT_EQ(dc.text_colour_(), paint::sys_colour(paint::gray_text));
  }
  dc_& dc = canvas(120, 24);
  draw_edit_box_(nullptr, dc, 0, 0, 120, 24, "x", true_, 0, -1, 0, 3, 0, 0, 0);
  EXPECT_EQ(at(0, 0), sprite_colour(edit_box_sprites_[3].part[1]));
  EXPECT_EQ(paint::drop_tilde_before_l_stroke("~\xC5\x81\xC3\xB3~d~"), "\xC5\x81\xC3\xB3~d~");
}

// A box without its frame lies on another control's face and takes that face's text colour.
TEST_F(painters, edit_box_text_takes_the_colour_it_is_given) {
  const auto pixels_in = [&](uint32_t colour) {
    int32_t n = 0;
    for (int32_t y = 0; y < 24; ++y)
      for (int32_t x = 0; x < 120; ++x) n += at(x, y) == colour;
    return n;
  };
  draw_edit_box_(nullptr, canvas(120, 24), 0, 0, 120, 24, "Wall", true_, 0, -1, 0, 1, 0, 0, true_, 0x0000FE);
  EXPECT_GT(pixels_in(0x0000FE), 0);
  draw_edit_box_(nullptr, canvas(120, 24), 0, 0, 120, 24, "Wall", true_, 0, -1, 0, 1, 0, 0, true_);
  EXPECT_EQ(pixels_in(0x0000FE), 0);
  EXPECT_EQ(dc->text_colour_(), paint::sys_colour(paint::menu_text));
}

TEST_F(painters, edit_box_swatch_is_drawn_without_the_frame) {
  dc_& dc = canvas(120, 24);
  draw_edit_box_(nullptr, dc, 0, 0, 120, 24, "", true_, 20, 0x00FF00, 0, 1, 0, 0, true_);
  EXPECT_EQ(at(0, 0), paper_colour);
  EXPECT_EQ(at(8, 10), 0x00FF00u);
}

TEST_F(painters, check_glyphs_and_focus_outline) {
  dc_& dc = canvas(40, 40);
  draw_check_glyph_(dc, 5, 5, 6, true_);
  EXPECT_EQ(at(5, 5), paper_colour);  // no glyph for state 6
  draw_check_glyph_(dc, 5, 5, 2, true_);
  const sprite_rect_rec_& g = check_glyph_sprites_[3];
  EXPECT_EQ(at(6, 6), sprite_colour(g));
  EXPECT_EQ(at(5, 10), uint32_t(skin_palette_.color_foc2_border));              // left edge
  EXPECT_EQ(at(5 + g.width - 1, 10), uint32_t(skin_palette_.color_foc1_border));  // right edge
  EXPECT_EQ(at(10, 5 + g.height - 1), uint32_t(skin_palette_.color_foc1_border));  // bottom edge
  draw_option_glyph_(dc, 20, 20, 5, 0);
  EXPECT_EQ(at(20, 20), sprite_colour(option_glyph_sprites_[6]));
}

// --- scroll bars ------------------------------------------------------------------------

struct bar_call {
  int32_t vmin = 0, vmax = 100, value = 0, thumb = 30;
  int32_t along = -1, across = -1;
  flag16_ pressed = 0, hot = true_;
  int32_t pressed_part = 0;
};

struct bar_result {
  int32_t part, new_value, centre;
};

// Calls either painter on a 200 x 17 bar (turned for the vertical one), positions along it.
bar_result run_bar(dc_& dc, bool vertical, const bar_call& c) {
  bar_result r{0, -99, -99};
  const int32_t across = c.across < 0 ? 8 : c.across;
  if (vertical)
    r.part = draw_skin_box_(0, nullptr, dc, 0, 0, 17, 200, c.vmin, c.vmax, c.value, c.thumb, across, c.along,
                            c.pressed, c.hot, c.pressed_part, r.new_value, r.centre);
  else
    r.part = draw_skin_box_scroll_(0, nullptr, dc, 0, 0, 200, 17, c.vmin, c.vmax, c.value, c.thumb, c.along, across,
                                   c.pressed, c.hot, c.pressed_part, r.new_value, r.centre);
  return r;
}

TEST_F(painters, scroll_bars_both_ways) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    dc_& dc = canvas(vertical ? 17 : 200, vertical ? 200 : 17);
    // Arrows are 17 long: the free length is 200 - 34 - 30 = 136.
    bar_call c;
    bar_result r = run_bar(dc, vertical, c);
    EXPECT_EQ(r.part, 0);
    EXPECT_EQ(r.new_value, 0);
    EXPECT_EQ(r.centre, 17 + 15);
    c.value = 50;
    EXPECT_EQ(run_bar(dc, vertical, c).centre, 17 + 68 + 15);
    // Presses on every part.
    c.pressed = true_;
    for (auto [along, part] : {std::pair{5, 1}, {195, 3}, {200, 3}, {100, 2}, {40, 4}, {170, 5}}) {
      c.along = along;
      EXPECT_EQ(run_bar(dc, vertical, c).part, part) << along;
    }
    // Drags past either end give exactly the limits; a drag writes no centre.
    c.pressed_part = 2;
    for (auto [along, value] : {std::pair{-50, 0}, {0, 0}, {32, 0}, {500, 100}, {168, 100}}) {
      c.along = along;
      r = run_bar(dc, vertical, c);
      EXPECT_EQ(r.new_value, value) << along;
      EXPECT_EQ(r.centre, -99);
    }
    // A press begun on the thumb shows the arrows normal and never answers with an arrow.
    c.along = 5;
    EXPECT_NE(run_bar(dc, vertical, c).part, 1);
    const sprite_rect_rec_& normal_arrow = (vertical ? box_sprites_b_ : box_sprites_a_)[1].r_(1, 3);
    EXPECT_EQ(vertical ? at(8, 8) : at(8, 8), sprite_colour(normal_arrow));
    // Thumb length 0: never 2, 4 or 5.
    bar_call none;
    none.thumb = 0, none.pressed = true_;
    for (int32_t along = 0; along <= 200; along += 5) {
      none.along = along;
      int32_t part = run_bar(dc, vertical, none).part;
      EXPECT_TRUE(part == 0 || part == 1 || part == 3) << along;
    }
    // A quiet bar never answers 1 or 3, but its track still pages.
    bar_call quiet;
    quiet.hot = 0, quiet.pressed = true_;
    for (int32_t along = 0; along <= 200; along += 5) {
      quiet.along = along;
      int32_t part = run_bar(dc, vertical, quiet).part;
      EXPECT_TRUE(part != 1 && part != 3) << along;
    }
    // Equal limits put the thumb right after the first arrow.
    bar_call flat;
    flat.vmin = flat.vmax = 7, flat.value = 7;
    EXPECT_EQ(run_bar(dc, vertical, flat).centre, 17 + 15);
  }
}

TEST_F(painters, scroll_thumb_grip_from_thirteen_pixels) {
  for (auto [thumb, grip] : {std::pair{12, false}, {13, true}}) {
    dc_& dc = canvas(200, 17);
    bar_call c;
    c.thumb = thumb;
    run_bar(dc, false, c);
    const sprite_rect_rec_& g = box_sprites_a_[1].r_(4, 3);
    const int32_t gx = paint::rnd(17 + paint::rnd(thumb * 0.5) - g.width * 0.5);
    EXPECT_EQ(at(gx, 8) == sprite_colour(g), grip) << thumb;
  }
}

// --- docking toolbars -----------------------------------------------------------------------

TEST_F(painters, vertical_band_end_button_and_corners) {
  for (flag16_ round : {true_, false_}) {
    skin_palette_.round_corners = round;
    dc_& dc = canvas(31, 100);
    draw_dock_toolbar_body_(dc, 0, 0, 31, 100, 12, true_, 0, 0, 1);
    const uint32_t end = sprite_colour(dock_end_button_sprites_[6]);
    EXPECT_EQ(at(15, 100 - 12), end);
    EXPECT_EQ(at(15, 100 - 13), sprite_colour(dock_band_body_sprites_[2]));
    EXPECT_EQ(at(0, 1) == uint32_t(skin_palette_.color_dockbg_act), round == true_);
    EXPECT_EQ(at(30, 100 - 13) == uint32_t(skin_palette_.color_tbexline2p) ||
                  at(30, 100 - 13) == uint32_t(skin_palette_.color_tbexline2),
              true);
  }
  skin_palette_.round_corners = true_;
}

TEST_F(painters, horizontal_band_end_button_states) {
  for (auto [state, member] : {std::pair{1, 1}, {2, 2}, {4, 3}, {3, 1}}) {
    dc_& dc = canvas(100, 31);
    draw_dock_toolbar_body_(dc, 0, 0, 100, 31, 12, 0, 0, 0, state);
    EXPECT_EQ(at(100 - 12 + 2, 2), sprite_colour(dock_end_button_sprites_[member])) << state;
    EXPECT_EQ(at(100 - 13, 15), sprite_colour(dock_band_body_sprites_[1]));
  }
}

TEST_F(painters, floating_frame_close_box) {
  const int32_t W = 120;
  dc_& dc = canvas(W, 60);
  draw_float_toolbar_frame_(dc, 0, 0, W, 60, "", 0, 0, true_, 1, 14, 2, 1, 20);
  // The box is 14 x 14 at (W - 20, 6); its glyph (10 x 9) centred in it.
  const sprite_rect_rec_& g = float_close_sprites_[2];
  EXPECT_EQ(at(W - 20 + 7 - g.width / 2, paint::rnd(6 + 7 - g.height * 0.5)), sprite_colour(g));
  EXPECT_EQ(at(W - 20, 6), sprite_colour(dock_button_sprites_[1].part[0]));  // hover background
  EXPECT_EQ(at(0, 0), uint32_t(skin_palette_.color_tbborder));
  EXPECT_EQ(at(2, 2), uint32_t(skin_palette_.color_tbbdist));
  EXPECT_EQ(at(3, 3), uint32_t(skin_palette_.color_tbbgtitle));
  EXPECT_EQ(at(10, 40), sprite_colour(dock_band_body_sprites_[1]));
  // A menu-bar toolbar gets a flat body.
  dc_& menu = canvas(W, 60);
  draw_float_toolbar_frame_(menu, 0, 0, W, 60, "", true_, 0, 0, 0, 14, 2, 1, 20);
  EXPECT_EQ(at(10, 40), uint32_t(skin_palette_.color_dockbg_act));
}

TEST_F(painters, dock_button_members) {
  struct {
    int32_t state;
    flag16_ checked, menu_bar;
    int member;  // 0: no background
  } cases[] = {{1, 0, 0, 0}, {1, true_, 0, 4}, {2, true_, 0, 1}, {4, 0, 0, 3}, {4, 0, true_, 5}, {3, true_, 0, 0}};
  for (const auto& c : cases) {
    dc_& dc = canvas(40, 30);
    draw_dock_button_(dc, 0, 0, 40, 30, 0, "", c.state, c.checked, c.menu_bar, -1, -1, 0, 0);
    EXPECT_EQ(at(20, 15), c.member ? sprite_colour(dock_button_sprites_[c.member].part[6]) : paper_colour) << c.state;
  }
}

TEST_F(painters, split_button_halves) {
  struct {
    int32_t state;
    flag16_ checked, menu_bar;
    int32_t hot;
    int main, arrow;
  } cases[] = {{2, 0, 0, 0, 2, 2}, {2, true_, 0, 0, 1, 1}, {2, 0, 0, 2, 2, 1}, {2, true_, 0, 1, 1, 4},
               {4, true_, true_, 1, 5, 5}, {4, 0, 0, 1, 3, 2}, {1, true_, 0, 0, 4, 4}};
  for (const auto& c : cases) {
    dc_& dc = canvas(60, 30);
    draw_dock_arrow_button_(dc, 0, 0, 60, 30, 0, "", c.state, c.checked, c.menu_bar, -1, -1, 0, 12, c.hot, true_);
    EXPECT_EQ(at(20, 15), sprite_colour(dock_button_sprites_[c.main].part[6])) << c.state << " " << c.hot;
    EXPECT_EQ(at(48, 15), sprite_colour(dock_button_sprites_[c.arrow].part[8])) << c.state << " " << c.hot;
  }
  // The arrow is drawn in every state, also without background.
  dc_& dc = canvas(60, 30);
  draw_dock_arrow_button_(dc, 0, 0, 60, 30, 0, "", 1, 0, 0, -1, -1, 0, 12, 0, 0);
  EXPECT_EQ(at(53, 15), uint32_t(dock_arrow_color_()));
}

TEST_F(painters, custom_button_stays_inside) {
  dc_& dc = canvas(60, 24);
  draw_dock_custom_button_(dc, 0, 0, 60, 24, "text", 3, 0);
  EXPECT_EQ(at(1, 1), paper_colour);
  EXPECT_EQ(at(2, 2), sprite_colour(dock_custom_button_sprites_[1].part[1]));
  EXPECT_EQ(at(57, 21), sprite_colour(dock_custom_button_sprites_[1].part[9]));
  EXPECT_EQ(at(58, 22), paper_colour);
}

// --- ribbon ----------------------------------------------------------------------------------

TEST_F(painters, ribbon_tabs_and_groups) {
  dc_& dc = canvas(200, 100);
  draw_ribbon_tab_(nullptr, dc, 10, 60, 24, 0, "x", 0, true_);
  EXPECT_EQ(at(10, 0), paper_colour);
  draw_ribbon_tab_(nullptr, dc, 10, 60, 24, 3, "x", 0, true_);
  EXPECT_EQ(at(10, 0), sprite_colour(ribbon_tab_sprites_[3].part[1]));
  draw_ribbon_tab_(nullptr, dc, 100, 60, 24, 3, "x", 0, 0);
  EXPECT_EQ(at(100, 0), sprite_colour(ribbon_tab_sprites_[7].part[1]));

  int32_t lw = 0, lh = 0, sw = 0, sh = 0;
  get_ribbon_metrics_(lw, lh, sw, sh);
  EXPECT_EQ(lw, launcher_sprites_[1].width);
  EXPECT_EQ(sh, item_split_large_sprites_[1].part[7].height);
  // The launcher of a group in state 1 at its corner; hovered; none in state 2.
  ribbon_group_args_ g;
  g.group_id = 4, g.x = 0, g.y = 0, g.w = 120, g.h = 90, g.caption_h = 13, g.state = 1, g.show_launcher = true_;
  const int32_t lx = 120 - (lw + 2), ly = 90 - (lh + 1);
  dc_& d = canvas(200, 100);
  draw_ribbon_group_(nullptr, d, g);
  EXPECT_EQ(at(lx, ly), sprite_colour(launcher_sprites_[1]));
  g.mouse_x = lx + 2, g.mouse_y = ly + 2;
  draw_ribbon_group_(nullptr, d, g);
  EXPECT_EQ(at(lx, ly), sprite_colour(launcher_sprites_[2]));
  g.mouse_down = true_, g.pressed_group = 4;
  draw_ribbon_group_(nullptr, d, g);
  EXPECT_EQ(at(lx, ly), sprite_colour(launcher_sprites_[3]));
  g.mouse_x = g.mouse_y = -1;  // left while pressed: hover look
  draw_ribbon_group_(nullptr, d, g);
  EXPECT_EQ(at(lx, ly), sprite_colour(launcher_sprites_[2]));
  dc_& e = canvas(200, 100);
  g.state = 2;
  draw_ribbon_group_(nullptr, e, g);
  EXPECT_NE(at(lx, ly), sprite_colour(launcher_sprites_[2]));
  EXPECT_NE(at(lx, ly), sprite_colour(launcher_sprites_[1]));
}

TEST_F(painters, key_tip_is_square_when_narrow_and_separator_stops) {
  dc_& dc = canvas(400, 40);
  draw_key_tip_(dc, 20, 20, "A");  // 8 + 8 < 17: square of 17
  const int32_t left = paint::rnd(20 - 8.5), top = paint::rnd(20 - 8.5);
  EXPECT_EQ(at(left, top), sprite_colour(key_tip_sprites_.part[1]));
  EXPECT_EQ(at(left + 16, top + 16), sprite_colour(key_tip_sprites_.part[9]));
  EXPECT_EQ(at(left + 17, top + 8), paper_colour);
  draw_separator_line_(nullptr, dc, 0, 35, 400);
  const int32_t sw = separator_line_sprite_.width;
  EXPECT_EQ(at(3 * sw - 1, 35), sprite_colour(separator_line_sprite_));
  EXPECT_EQ(at(3 * sw, 35), paper_colour);
  EXPECT_EQ(at(5, 36), paper_colour);
}

TEST_F(painters, main_menu_frame_insets) {
  app_menu_insets_rec_ in;
  draw_main_menu_frame_(0, nullptr, 0, 0, 0, 0, in, "", "", 0, 0);
  EXPECT_EQ(in.left, app_menu_frame_sprites_.part[4].width);
  EXPECT_EQ(in.bottom, app_menu_frame_sprites_.part[8].height);
  const sprite9_set_rec_& b = app_menu_button_sprites_[1];
  EXPECT_EQ(in.button_h, b.part[2].height + b.part[5].height + b.part[8].height);
}

// --- text and items --------------------------------------------------------------------------

TEST_F(painters, text_line_selection_either_way_round) {
  dc_& a = canvas(120, 20);
  draw_text_line_(a, 0, 0, 120, 20, "abcdefgh", 0, 0, 6, 1, true_);
  surface_ first = surface;
  dc_& b = canvas(120, 20);
  draw_text_line_(b, 0, 0, 120, 20, "abcdefgh", 0, 0, 1, 6, true_);
  EXPECT_TRUE(std::equal(first.pixels_(), first.pixels_() + 120 * 20, surface.pixels_()));
  const uint32_t hl = paint::sys_colour(paint::highlight);
  // Characters 2 to 6 are 8 pixels each: the highlight covers 8..47.
  int32_t lit = 0;
  for (int32_t x = 0; x < 120; ++x) lit += at(x, 3) == hl || at(x, 10) == hl;
  EXPECT_GT(lit, 0);
  EXPECT_NE(at(7, 16), hl);
}

TEST_F(painters, text_line_caret) {
  dc_& dc = canvas(60, 20);
  draw_text_line_(dc, 10, 0, 50, 20, "", 0, 0, 0, 0, true_);
  EXPECT_EQ(at(10, 10), 0x323232u);
  EXPECT_EQ(at(11, 10), 0x323232u);
  EXPECT_EQ(at(12, 10), paper_colour);
  dc_& none = canvas(60, 20);
  draw_text_line_(none, 10, 0, 50, 20, "", 0, 0, 0, 0, 0);
  EXPECT_EQ(at(10, 10), paper_colour);
}

TEST_F(painters, menu_rows) {
  dc_& dc = canvas(200, 25);
  draw_menu_item_(dc, 0, 0, 200, 25, "", 25, 0, true_, 0, 0, "", 0, 0, 0, 0);
  EXPECT_EQ(at(0, 0), paper_colour);  // hovered but disabled: no hover box
  draw_menu_item_(dc, 0, 0, 200, 25, "", 25, 0, true_, 0, true_, "", 0, 0, true_, 0);
  EXPECT_EQ(at(0, 0), sprite_colour(menu_row_sprites_[1].part[1]));
  // The sub-menu arrow keeps the row colour on a disabled row.
  dc_& d = canvas(200, 25);
  draw_menu_item_(d, 0, 0, 200, 25, "", 25, 0, 0, 0, 0, "", 0, 0, true_, 0);
  const int32_t T = blend_colors_(skin_palette_.color_menu_text_std, skin_palette_.color_btn_text_act, 0.75f);
  EXPECT_EQ(at(190, paint::rnd(12.5)), uint32_t(T));
  EXPECT_EQ(at(193, paint::rnd(12.5)), uint32_t(T));
  EXPECT_EQ(at(194, paint::rnd(12.5)), paper_colour);
  // A checked row without an icon shows the check box and its glyph.
  dc_& c = canvas(200, 25);
  draw_menu_item_(c, 0, 0, 200, 25, "", 25, 0, 0, true_, true_, "", 0, 0, 0, 0);
  EXPECT_EQ(at(1, 1), sprite_colour(menu_row_sprites_[2].part[1]));
  EXPECT_EQ(at(12, 12), sprite_colour(menu_row_sprites_[2].part[0]));
}

// Only the list style reads "&" as an access key: its "&ab" inks everything "ab" inks, while
// the menu style draws the ampersand and moves the letters along.
TEST_F(painters, ampersand_is_an_access_key_only_in_list_rows) {
  auto ink = [&](std::string_view text, flag16_ list_style) {
    dc_& dc = canvas(200, 40);
    draw_menu_item_(dc, 0, 0, 200, 40, text, 40, 0, 0, 0, true_, "", list_style, 0, 0, 0);
    std::vector<bool> inked(200 * 40);
    for (int32_t y = 0; y < 40; ++y)
      for (int32_t x = 0; x < 200; ++x) inked[y * 200 + x] = at(x, y) != paper_colour;
    return inked;
  };
  auto covers = [](const std::vector<bool>& a, const std::vector<bool>& b) {
    for (size_t i = 0; i < a.size(); ++i)
      if (b[i] && !a[i]) return false;
    return true;
  };
  EXPECT_TRUE(covers(ink("&ab", true_), ink("ab", true_)));
  EXPECT_FALSE(covers(ink("&ab", 0), ink("ab", 0)));
}

TEST_F(painters, item_button_frames) {
  struct {
    int32_t type;
    int16_t state;
    flag16_ checked;
    const sprite9_set_rec_* expected;  // null: no frame
  } cases[] = {{1, 0, 0, nullptr},
               {1, 0, true_, &item_small_sprites_[3]},
               {1, 3, true_, nullptr},
               {1, -1, true_, &item_small_sprites_[3]},
               {1, 1, true_, &item_small_sprites_[4]},
               {1, 2, 0, &item_small_sprites_[2]},
               {4, 3, 0, &item_row_sprites_[4]},
               {4, 0, 0, &item_row_sprites_[4]},
               {4, -1, 0, &item_row_sprites_[1]},
               {3, 1, 0, &item_split_small_sprites_[1]},
               {9, 2, 0, nullptr}};
  for (const auto& c : cases) {
    dc_& dc = canvas(80, 24);
    item_button_args_ a;
    a.w = 80, a.h = 24, a.item_type = c.type, a.state = c.state, a.checked = c.checked;
    draw_item_button_(0, dc, a);
    EXPECT_EQ(at(0, 0), c.expected ? sprite_colour(c.expected->part[1]) : paper_colour) << c.type << " " << c.state;
  }
}

TEST_F(painters, split_item_drop_parts) {
  dc_& dc = canvas(100, 24);
  item_button_args_ a;
  a.w = 100, a.h = 24, a.item_type = 3, a.state = 1;
  a.mouse_x = 100 - item_split_small_sprites_[1].part[3].width, a.mouse_y = 5;
  draw_item_button_(0, dc, a);
  EXPECT_EQ(at(0, 0), sprite_colour(item_split_small_sprites_[2].part[1]));
  a.state = -1;  // highlighted: the parts are not told apart
  draw_item_button_(0, dc, a);
  EXPECT_EQ(at(0, 0), sprite_colour(item_split_small_sprites_[1].part[1]));
  // Large type 4 never takes the arrow-hover member.
  dc_& big = canvas(100, 66);
  item_button_args_ f;
  f.w = 100, f.h = 66, f.item_type = 4, f.state = 1, f.mouse_x = 99, f.mouse_y = 5;
  draw_item_button_(0, big, f);
  EXPECT_EQ(at(0, 0), sprite_colour(item_row_sprites_[1].part[1]));
}

TEST_F(painters, large_captions_break_at_the_first_space) {
  EXPECT_EQ(large_item_caption_("Zoom all pages"), "Zoom\r\nall pages");
  EXPECT_EQ(large_item_caption_("Insert block"), "Insert\r\nblock");
  EXPECT_EQ(large_item_caption_("Insert_block"), "Insert_block");
  EXPECT_EQ(large_item_caption_("Page_setup now"), "Page setup\r\nnow");
}

TEST_F(painters, segments_take_positions_and_widths) {
  dc_& dc = canvas(100, 24);
  draw_button_segments_(dc, 10, 0, 24, 22, 34, "-bb", 1, -1, -1, 0);
  const sprite21_set_rec_& m = segment_sprites_[1];
  EXPECT_EQ(at(9, 0), paper_colour);  // the dash takes no width
  EXPECT_EQ(at(10, 0), sprite_colour(m.part[1]));  // not the first position: the joining edge
  EXPECT_EQ(at(10 + 22, 0), sprite_colour(m.part[1]));
  EXPECT_EQ(at(10 + 44 - 1, 0), sprite_colour(m.part[4]));  // the right end
  EXPECT_EQ(at(10 + 44, 0), paper_colour);
  // bBc: checked unless hovered; the split's drop part at the right end.
  dc_& d = canvas(120, 24);
  draw_button_segments_(d, 0, 0, 24, 22, 34, "bBc", 1, -1, -1, 0);
  EXPECT_EQ(at(0, 0), sprite_colour(m.part[0]));
  EXPECT_EQ(at(22 + 11, 0), sprite_colour(segment_sprites_[4].part[2]));
  EXPECT_EQ(at(44 + 33, 0), sprite_colour(m.part[6]));
  draw_button_segments_(d, 0, 0, 24, 22, 34, "bBc", 1, 30, 24, 0);  // the bottom row hovers a "b"
  EXPECT_EQ(at(22 + 11, 0), sprite_colour(segment_sprites_[3].part[2]));
  draw_button_segments_(d, 0, 0, 24, 22, 34, "bBc", 1, 60, 24, 0);  // but not a "c"
  EXPECT_EQ(at(44 + 15, 0), sprite_colour(m.part[2]));
}

TEST_F(painters, parts_smaller_than_a_pixel_draw_nothing) {
  // A frame narrower than its corners must not mirror its middle parts over its neighbours.
  auto no_pixel_of = [&](const sprite_rect_rec_& part) {
    for (int32_t y = 0; y < surface.height_(); ++y)
      for (int32_t x = 0; x < surface.width_(); ++x)
        if (at(x, y) == sprite_colour(part)) return false;
    return true;
  };
  dc_& dc = canvas(60, 40);
  blit_sprite9_(button_face_sprites_[1], dc, 20, 10, 2, 20, 0, true_);
  EXPECT_TRUE(no_pixel_of(button_face_sprites_[1].part[5]));
  EXPECT_TRUE(no_pixel_of(button_face_sprites_[1].part[2]));
  dc_& d = canvas(60, 30);
  draw_dock_button_(d, 20, 0, 2, 30, 0, "", 2, 0, 0, -1, -1, 0, true_);
  EXPECT_TRUE(no_pixel_of(dock_button_sprites_[1].part[6]));
  dc_& e = canvas(200, 17);
  int32_t v = 0, centre = 0;
  draw_skin_box_scroll_(0, nullptr, e, 100, 0, 60, 17, 0, 10, 0, 5, -1, -1, 0, true_, 0, v, centre);
  EXPECT_TRUE(no_pixel_of(box_sprites_a_[1].r_(3, 3)));  // a 5-pixel thumb has no body between its 3-pixel caps
}

}  // namespace
