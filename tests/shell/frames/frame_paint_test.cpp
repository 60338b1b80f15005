// Classic frame painting: the caption text's place and colour, and what a window without a
// border or caption gets.
#include "frames_fixture.h"

#include "platform/gdi/dc.h"
#include "shell/frame_paint.h"
#include "shell/frame_skin.h"
#include "support/test_skin.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/sprites.h"

namespace {

class frame_paint_test : public frames_fixture {
 public:
  void SetUp() override {
    frames_fixture::SetUp();
    ASSERT_TRUE(load_test_skin_());
  }
  void TearDown() override {
    unload_skin_parts_();
    frames_fixture::TearDown();
  }
};

// The flat colour of an atlas rectangle in the test skin.
uint32_t colour_of(const sprite_rect_rec_& r) { return skin_picture_.colour_(r.x, r.y); }

// The columns of the caption band that hold the text colour: first and last, -1 when none.
std::pair<int32_t, int32_t> ink_columns(window_& w, int32_t band, uint32_t ink) {
  int32_t lo = -1, hi = -1;
  const surface_& s = w.window_surface_();
  for (int32_t y = 0; y < band; ++y)
    for (int32_t x = 0; x < s.width_(); ++x)
      if (s.colour_(x, y) == ink) {
        lo = lo < 0 ? x : std::min(lo, x);
        hi = std::max(hi, x);
      }
  return {lo, hi};
}

TEST_F(frame_paint_test, caption_text_from_the_left_or_centred_for_the_ribbon_main_window) {
  const uint32_t ink = static_cast<uint32_t>(frame_skin_caption_text_colour_(true));
  window_& d = make(0, 0, 400, 200, "Layers");
  window_& m = make(0, 0, 400, 300, "Layers");
  const int32_t nd = attach_frame_(d, 0, 0);
  const int32_t nm = attach_frame_(m, true_, 0);
  paint_classic_frame_(nd);
  paint_classic_frame_(nm);
  const auto [dl, dr] = ink_columns(d, 30, ink);
  ASSERT_GE(dl, 0);
  EXPECT_GE(dl, 4 + 20);
  EXPECT_LE(dl, 4 + 20 + 3);
  // Centred in the text rectangle, which runs from 24 to 400 - 24 - 4 - 26: the same ink,
  // moved by half of what the text leaves free.
  surface_ probe(1, 1);
  dc_ g(probe);
  font_ f;
  f.height = 13;
  g.select_font_(f);
  const int32_t advance = g.text_extent_("Layers").cx;
  const auto [ml, mr] = ink_columns(m, 30, ink);
  EXPECT_EQ(mr - ml, dr - dl);
  EXPECT_NEAR(ml - dl, (346 - 24 - advance) / 2.0, 1.0);
}

// A 400 x 300 window at (100, 100), border 4, caption 22, shown and painted.
TEST_F(frame_paint_test, skin_pieces_follow_the_active_flag_and_the_button_states) {
  window_& w = make(100, 100, 400, 300, "Pieces");
  const int32_t n = attach_frame_(w, 0, 0);
  w.set_frame_insets_(4, 26, 4, 4);
  w.show_();
  settle();
  const surface_& s = w.window_surface_();
  auto paint_with_pointer_at = [&](int32_t x, int32_t y) {
    point_at(n, x, y);
    paint_classic_frame_(n);
  };
  auto face = [](int32_t m) { return colour_of(caption_button_sprites_[m].part[1]); };
  auto glyph = [](int32_t m) { return colour_of(caption_glyph_sprites_[m].part[5]); };

  frame_table_[n].active = true_;
  paint_with_pointer_at(200, 100);
  EXPECT_EQ(s.colour_(0, 150), colour_of(frame_edge_sprites_[3]));
  EXPECT_EQ(s.colour_(399, 150), colour_of(frame_edge_sprites_[5]));
  EXPECT_EQ(s.colour_(200, 299), colour_of(frame_edge_sprites_[7]));
  EXPECT_EQ(s.colour_(374, 4), face(1));     // close, normal
  EXPECT_EQ(s.colour_(385, 14), glyph(4));
  EXPECT_EQ(s.colour_(352, 4), face(1));     // maximize
  EXPECT_EQ(s.colour_(363, 14), glyph(2));
  EXPECT_EQ(s.colour_(330, 4), face(1));     // minimize
  EXPECT_EQ(s.colour_(341, 14), glyph(1));
  EXPECT_EQ(s.colour_(200, 2), colour_of(caption_bar_sprites_[1].part[2]));

  paint_with_pointer_at(380, 10);            // hover on close
  EXPECT_EQ(s.colour_(374, 4), face(4));
  EXPECT_EQ(s.colour_(385, 14), glyph(5));
  EXPECT_EQ(s.colour_(352, 4), face(1));
  frame_table_[n].pressed = true_;
  paint_with_pointer_at(360, 10);            // pressed over maximize
  EXPECT_EQ(s.colour_(352, 4), face(3));
  EXPECT_EQ(s.colour_(374, 4), face(1));
  frame_table_[n].pressed = 0;

  frame_table_[n].active = 0;                // inactive: normal faces even under the pointer
  paint_with_pointer_at(380, 10);
  EXPECT_EQ(s.colour_(374, 4), face(1));
  EXPECT_EQ(s.colour_(385, 14), glyph(4));
  EXPECT_EQ(s.colour_(0, 150), colour_of(frame_edge_sprites_[4]));
  EXPECT_EQ(s.colour_(200, 2), colour_of(caption_bar_sprites_[2].part[2]));
}

TEST_F(frame_paint_test, maximized_window_shows_the_restore_glyph) {
  window_& w = make(100, 100, 400, 300, "Max");
  const int32_t n = attach_frame_(w, 0, 0);
  w.show_();
  w.maximize_();
  settle();
  ASSERT_EQ(w.state_(), show_state_::maximized);
  int32_t l, t, r, b;
  caption_button_state_(2, n, l, t, r, b);
  point_at(n, 0, 200);
  paint_classic_frame_(n);
  EXPECT_EQ(w.window_surface_().colour_((l + r) / 2, (t + b) / 2), colour_of(caption_glyph_sprites_[3].part[5]));
}

TEST_F(frame_paint_test, nothing_outside_the_band_and_nothing_without_a_border) {
  frame_style_ bare;
  bare.border = false;
  bare.caption = false;
  window_& w = make(0, 0, 300, 200, "Bare");
  const int32_t n = attach_frame_(w, 0, 0, bare);
  EXPECT_EQ(w.frame_insets_(), pixel_rect_{});
  paint_classic_frame_(n);  // a window without a border keeps whatever it had
  EXPECT_EQ(w.window_surface_().width_(), 0);
  paint_classic_frame_(0);
  paint_classic_frame_(n + 1);
}

TEST(frame_caption_text, nul_characters_show_as_spaces_and_the_text_is_trimmed) {
  ensure_application_();
  window_options_ o;
  o.title = std::string("  A\0B  ", 7);
  auto w = create_window_(o);
  EXPECT_EQ(frame_caption_text_(w->handle_()), "A B");
  w->set_title_(std::string(300, 'x'));
  EXPECT_EQ(frame_caption_text_(w->handle_()).size(), 255u);
}

}  // namespace
